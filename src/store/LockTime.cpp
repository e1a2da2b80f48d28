// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/LockTime.h"

#include <charconv>
#include <chrono>

namespace hv {

std::string formatLockTime(double secondsSinceEpoch) {
    // printf's "%f", but with "." whatever the locale: other installations parse this text.
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, secondsSinceEpoch, std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

double secondsSinceEpochNow() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace hv
