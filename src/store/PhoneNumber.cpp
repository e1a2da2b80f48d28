// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/PhoneNumber.h"

namespace hv {

namespace {

std::string removeAll(std::string text, std::string_view piece) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(piece, start)) != std::string::npos;) {
        out.append(text, start, found - start);
        start = found + piece.size();
    }
    out.append(text, start);
    return out;
}

}  // namespace

std::string normalizePhoneNumber(std::string_view number) {
    return removeAll(removeAll(removeAll(std::string(number), "+86"), " "), "-");
}

std::optional<std::string> dialablePhoneNumber(std::string_view number) {
    constexpr std::string_view kSeparators = " \t-./()";
    std::string dialed;
    for (char c : number) {
        if (c >= '0' && c <= '9') {
            dialed += c;
        } else if (c == '+' && dialed.empty()) {  // only in front
            dialed += c;
        } else if (kSeparators.find(c) == std::string_view::npos) {
            return std::nullopt;
        }
    }
    const auto digits = dialed.size() - (dialed.starts_with('+') ? 1 : 0);
    if (digits < 3) return std::nullopt;
    return dialed;
}

}  // namespace hv
