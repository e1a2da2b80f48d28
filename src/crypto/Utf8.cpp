// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Utf8.h"

#include <cstdint>

namespace hv {

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    auto at = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    auto continuation = [&](std::size_t k) { return k < n && (at(k) & 0xC0) == 0x80; };
    while (i < n) {
        const std::uint8_t b = at(i);
        if (b < 0x80) {
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!continuation(i + 1)) return false;
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            if (!continuation(i + 1) || !continuation(i + 2)) return false;
            const std::uint8_t b1 = at(i + 1);
            if (b == 0xE0 && b1 < 0xA0) return false;  // overlong
            if (b == 0xED && b1 > 0x9F) return false;  // surrogate
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            if (!continuation(i + 1) || !continuation(i + 2) || !continuation(i + 3)) return false;
            const std::uint8_t b1 = at(i + 1);
            if (b == 0xF0 && b1 < 0x90) return false;  // overlong
            if (b == 0xF4 && b1 > 0x8F) return false;  // above U+10FFFF
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace hv
