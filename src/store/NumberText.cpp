// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace hv {

namespace {

template <class Number>
Number leadingNumber(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) return 0;
    if (text[start] == '+') ++start;
    Number value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    // Out of range: the sign of the text decides which infinity it stands for.
    if (error == std::errc::result_out_of_range)
        return text[start] == '-' ? -std::numeric_limits<Number>::infinity()
                                  : std::numeric_limits<Number>::infinity();
    return error == std::errc() ? value : 0;
}

}  // namespace

double leadingDouble(std::string_view text) {
    return leadingNumber<double>(text);
}

float leadingFloat(std::string_view text) {
    return leadingNumber<float>(text);
}

std::int32_t leadingInt32(std::string_view text) {
    // Digits only: "1e3" is 1 and "inf" is 0, as an integer reading of a text has always been.
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos) return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    std::int64_t value = 0;
    constexpr std::int64_t kBeyond = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 2;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(kBeyond, value * 10 + (text[i] - '0'));
    return clampToInt32(double(negative ? -value : value));
}

std::int32_t clampToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace hv
