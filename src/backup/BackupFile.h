// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "backup/BackupError.h"
#include "backup/KdfParameters.h"

namespace hv {

// A backup file's bytes: the header (see BackupHeader), then an empty part that checks the
// key, then the contents in parts of kPartSize bytes, each encrypted and authenticated with
// crypto_secretstream_xchacha20poly1305 (17 bytes more per part, the header as additional
// data) under the key Argon2id derives from the passphrase and the salt. The last part,
// possibly empty, carries the stream's final tag: a file cut anywhere, parts reordered or
// any byte changed is refused. Pure functions; any thread.
namespace BackupFile {

inline constexpr std::size_t kPartSize = 64 * 1024;
// Far above what ten thousands of contacts and records take (a few megabytes).
inline constexpr std::size_t kMaxFileSize = std::size_t(128) << 20;

struct Sealed {
    std::string bytes;
    BackupError error = BackupError::None;  // OutOfMemory
};
// The passphrase's length is checked by the caller that asks for it (see BackupError).
Sealed seal(std::string_view contents, std::string_view passphrase, const KdfParameters& kdf);

struct Opened {
    std::string contents;
    BackupError error = BackupError::None;
    KdfParameters kdf;  // what the file was made with
};
// Checks the whole file; contents only when every part was authentic and the stream ended
// with its final part exactly at the end of the file. Headers asking for costs above
// `ceiling` (at most the bounds of KdfParameters) are refused before deriving anything.
Opened open(std::string_view file, std::string_view passphrase,
            const KdfParameters& ceiling = {kKdfMaxOpsLimit, kKdfMaxMemLimit});

// The key derivation alone, for measuring it. False when it could not get its memory.
bool deriveKey(unsigned char* key, std::string_view passphrase, const unsigned char* salt,
               const KdfParameters& kdf);

}  // namespace BackupFile

}  // namespace hv
