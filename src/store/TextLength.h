// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

namespace hv {

// The length of UTF-8 text in UTF-16 code units, the way lengths of passwords and other
// typed texts are counted everywhere in Hushvault (a character beyond U+FFFF counts 2).
std::size_t utf16Length(std::string_view utf8);

}  // namespace hv
