// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/BackupError.h"

namespace hv {

std::string describe(BackupError error) {
    switch (error) {
        case BackupError::None:
            return "done";
        case BackupError::ShortPassphrase:
            return "the passphrase is too short: it needs at least " +
                   std::to_string(kMinimumPassphraseLength) +
                   " characters, since whoever gets the file can try passphrases at leisure";
        case BackupError::NotABackup:
            return "this is not a Hushvault backup, or it is cut short inside its header";
        case BackupError::NewerFormat:
            return "the backup was made by a newer version of Hushvault: update Hushvault to "
                   "restore it";
        case BackupError::HostileParameters:
            return "the backup's header asks for a key derivation beyond what Hushvault accepts; "
                   "the file is damaged";
        case BackupError::TooLarge:
            return "the file is too large to be a Hushvault backup";
        case BackupError::WrongPassphrase:
            return "the passphrase is wrong, or the file is damaged";
        case BackupError::Damaged:
            return "the backup is damaged or cut short";
        case BackupError::BadContents:
            return "the backup's contents cannot be read by this version of Hushvault";
        case BackupError::CannotRead:
            return "the file cannot be read";
        case BackupError::CannotWrite:
            return "the data could not be written (is the disk full or read-only?); nothing "
                   "was changed";
        case BackupError::CannotReadProfile:
            return "the profile's database cannot be read";
        case BackupError::OutOfMemory:
            return "there is not enough memory to derive the key";
    }
    return "unknown error";
}

}  // namespace hv
