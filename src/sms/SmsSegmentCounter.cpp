// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/SmsSegmentCounter.h"

#include <algorithm>
#include <string>

namespace hv {

namespace {

// The GSM 03.38 default alphabet (one septet each) and its extension table (two).
const std::u32string kBasic =
    U"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    U"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
const std::u32string kExtension = U"\f^{}\\[~]|€";

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

int partsFor(int units, int single, int perPart) {
    if (units <= single) return 1;
    return (units + perPart - 1) / perPart;
}

// The parts of a long UCS-2 message, filled in order: a character that would not fit whole
// (the two halves of an emoji) opens the next part.
int ucs2Parts(const std::u32string& body) {
    constexpr int kPerPart = 67;
    int parts = 1;
    int used = 0;
    for (char32_t c : body) {
        const int units = c > 0xFFFF ? 2 : 1;
        if (used + units > kPerPart) {
            ++parts;
            used = 0;
        }
        used += units;
    }
    return parts;
}

}  // namespace

SmsSegments countSmsSegments(std::string_view utf8Body) {
    const std::u32string body = decode(utf8Body);
    SmsSegments segments;
    for (char32_t c : body) {
        if (kBasic.find(c) != std::u32string::npos) {
            segments.units += 1;
        } else if (kExtension.find(c) != std::u32string::npos) {
            segments.units += 2;
        } else {
            segments.gsm7 = false;
            break;
        }
    }
    if (segments.gsm7) {
        segments.parts = partsFor(segments.units, 160, 153);
    } else {
        const auto astral =
            std::count_if(body.begin(), body.end(), [](char32_t c) { return c > 0xFFFF; });
        segments.units = static_cast<int>(body.size() + astral);
        segments.parts = segments.units <= 70 ? 1 : ucs2Parts(body);
    }
    return segments;
}

}  // namespace hv
