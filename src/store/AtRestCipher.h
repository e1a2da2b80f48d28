// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "crypto/SecretCipher.h"

namespace hv {

// The fixed application key under which phone numbers, message texts and contact names
// are stored. Every installation uses the same key, so a database file moves between
// installations; the encryption is deterministic, which lookups by number rely on.
inline constexpr std::string_view key = "MorrowGLNfen";

// Encrypts a value for storing (plain-form token under the fixed key).
std::string encryptAtRest(std::string_view value);

// Decrypts a stored value; a value that does not fit the key reads as the empty text.
std::string decryptAtRest(std::string_view stored);

}  // namespace hv
