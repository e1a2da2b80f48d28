// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace hv {

// Numbers read from the start of a text the way stored settings have always been read:
// leading white space and a sign are skipped, the longest number at the start is taken
// and anything after it ignored; a text without a number reads as 0. The decimal point
// is always ".", whatever the process's locale.
double leadingDouble(std::string_view text);
float leadingFloat(std::string_view text);
// The decimal digits at the start (after white space and a sign), clamped to the 32-bit
// range: "42abc" is 42, "1e3" is 1, "inf" and "abc" are 0.
std::int32_t leadingInt32(std::string_view text);

// A number cut to an integer and clamped to the 32-bit range; NaN gives 0.
std::int32_t clampToInt32(double value);

}  // namespace hv
