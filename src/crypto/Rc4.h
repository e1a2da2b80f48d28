// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "crypto/Md5.h"

namespace hv {

// The RC4 state after the key schedule, keyed by a 16-byte MD5 digest. Keeping it lets a
// caller that encrypts many values under one key skip the schedule; processing never
// changes it, so one instance may serve any number of calls and threads.
class Rc4Key {
public:
    explicit Rc4Key(const Md5Digest& digest);

    // Encrypts or decrypts: the result has exactly as many bytes as the data.
    std::string process(std::string_view data) const;

private:
    std::array<std::uint8_t, 256> state_{};
};

// RC4 over data, keyed by the MD5 digest of the key bytes; no keystream is discarded.
// The same call encrypts and decrypts. Empty data or key are valid inputs.
std::string rc4_processData(std::string_view data, std::string_view key);

}  // namespace hv
