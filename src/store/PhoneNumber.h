// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// Removes every "+86", then every space, then every "-", each over the whole text, in
// that order. Nothing else changes: brackets, dots and other country codes stay.
std::string normalizePhoneNumber(std::string_view number);

// The number as a phone dials it: a leading "+" kept, then the digits alone ("+86 138 0013
// 8000" → "+8613800138000", "+1 (555) 010-9999" → "+15550109999"); spaces, dashes, dots,
// slashes and brackets between them dropped. Nothing when the text is no phone number:
// anything else in it (letters: "hello", a name), or fewer than three digits.
std::optional<std::string> dialablePhoneNumber(std::string_view number);

}  // namespace hv
