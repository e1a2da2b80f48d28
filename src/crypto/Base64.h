// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// RFC 4648 Base64 with the standard alphabet, "=" padding and no line breaks.
std::string base64Encode(std::string_view bytes);

// Decodes Base64 text. White space (tab, line feed, vertical tab, form feed, carriage
// return, space) is skipped; the remaining characters must be a whole number of padded
// four-character groups, with "=" only at the end. Any other character, or wrong
// padding, fails. A failed decoding and one that yields no bytes both give no data.
std::optional<std::string> base64Decode(std::string_view text);

}  // namespace hv
