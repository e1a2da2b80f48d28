// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/TextLength.h"

namespace hv {

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (unsigned char byte : utf8) {
        if ((byte & 0xC0) != 0x80) ++units;  // a lead byte starts a code point
        if (byte >= 0xF0) ++units;           // beyond U+FFFF: a surrogate pair
    }
    return units;
}

}  // namespace hv
