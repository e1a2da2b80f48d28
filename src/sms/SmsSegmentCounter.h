// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace hv {

// How an SMS body will travel: in the GSM 03.38 7-bit alphabet when every character has
// a place in it (160 per single SMS, 153 per part of a longer one; the extension
// characters ^ { } \ [ ~ ] | € and form feed take two), otherwise as UCS-2 (70 and 67;
// a part never ends between the two halves of a character outside the basic plane, such as
// an emoji: it holds 66 units when the 67th would be the first half of one).
struct SmsSegments {
    bool gsm7 = true;
    int units = 0;  // septets (GSM) or UTF-16 code units (UCS-2)
    int parts = 1;  // SMS needed; an empty body still needs one
};

SmsSegments countSmsSegments(std::string_view utf8Body);

}  // namespace hv
