// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "backup/BackupError.h"
#include "backup/KdfParameters.h"

namespace hv {

// The first 64 bytes of a backup file, integers little-endian:
//   0  8  magic "HVBACKUP"
//   8  2  format version (1)
//  10  1  key derivation: 1 = Argon2id 1.3
//  11  1  reserved, 0
//  12  4  Argon2 passes (opslimit)
//  16  8  Argon2 memory in bytes (memlimit)
//  24 16  salt
//  40 24  secret-stream header (XChaCha20-Poly1305)
// The whole header is authenticated with every encrypted part that follows, so a changed
// byte anywhere in it refuses the file.
struct BackupHeader {
    static constexpr std::size_t kSize = 64;
    static constexpr std::uint16_t kFormatVersion = 1;
    static constexpr std::string_view kMagic = "HVBACKUP";
    static constexpr std::uint8_t kArgon2id13 = 1;

    std::uint16_t formatVersion = kFormatVersion;
    KdfParameters kdf;
    std::array<unsigned char, 16> salt{};
    std::array<unsigned char, 24> streamHeader{};

    std::string bytes() const;

    // The header at the start of the file; error is set (NotABackup, NewerFormat,
    // HostileParameters) when it cannot be used. Parameters above `ceiling` count as hostile.
    struct Parsed;
    static Parsed parse(std::string_view file, const KdfParameters& ceiling);
};

struct BackupHeader::Parsed {
    BackupHeader header;
    BackupError error = BackupError::None;
};

}  // namespace hv
