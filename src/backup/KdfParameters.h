// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace hv {

// The cost of deriving a backup's key from its passphrase (Argon2id): passes over the
// memory and the memory in bytes. Written into every backup's header, so a file made with
// any parameters within the bounds can be read.
struct KdfParameters {
    std::uint32_t opsLimit = 0;
    std::uint64_t memLimit = 0;

    // What new backups use: about half a second, and memory a phone can spare (160 MiB).
    static KdfParameters standard();
    // The cheapest Argon2id allows, for tests and fuzzing: a file made with it is weak.
    static KdfParameters cheapest();

    // What a reader accepts: a header asking for more is refused before any work, so a
    // hostile file cannot make a restore allocate gigabytes or run for minutes.
    bool withinBounds() const;

    friend bool operator==(const KdfParameters&, const KdfParameters&) = default;
};

inline constexpr std::uint32_t kKdfMaxOpsLimit = 10;
inline constexpr std::uint64_t kKdfMaxMemLimit = std::uint64_t(1) << 30;  // 1 GiB

}  // namespace hv
