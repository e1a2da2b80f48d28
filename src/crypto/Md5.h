// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hv {

using Md5Digest = std::array<std::uint8_t, 16>;

// MD5 (RFC 1321) of the given bytes, computed by OpenSSL's libcrypto. The message format
// and the at-rest encryption are fixed on MD5, so it is taken from any provider the
// library has loaded, also where the configuration prefers FIPS-approved algorithms.
// Where no provider offers MD5 at all, there is no right answer: the process ends with a
// message rather than produce a wrong key. Callers check md5Available() at start-up.
Md5Digest md5(std::string_view bytes);

// Whether MD5 can be computed here (and gives the RFC 1321 digest of the empty text).
bool md5Available();

// What to tell the user when md5Available() is false.
inline constexpr const char* kMd5MissingMessage =
    "this system's OpenSSL offers no MD5 (its configuration may load only FIPS or base "
    "providers). Hushvault needs MD5 to read and write its messages and stored data.";

}  // namespace hv
