// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv {

// Why a backup could not be made, read or restored. Each has one English sentence for the
// command line; the application shows its own translated texts.
enum class BackupError {
    None,
    ShortPassphrase,    // fewer than kMinimumPassphraseLength characters (making one)
    NotABackup,         // no backup header: another kind of file, or cut inside the header
    NewerFormat,        // made by a later Hushvault
    HostileParameters,  // key-derivation costs out of bounds
    TooLarge,           // bigger than any backup this version reads
    WrongPassphrase,    // the key does not open the first part: passphrase (or header) wrong
    Damaged,            // a later part altered, reordered or the file cut short
    BadContents,        // decrypted, but not contents this version understands
    CannotRead,         // the file cannot be read
    CannotWrite,        // the backup file or the profile could not be written
    CannotReadProfile,  // the profile's database could not be read
    OutOfMemory,        // the key derivation could not get its memory
};

// The sentence for the command line (no full stop).
std::string describe(BackupError error);

// Passphrases shorter than this (in characters) are refused for new backups.
inline constexpr std::size_t kMinimumPassphraseLength = 10;

}  // namespace hv
