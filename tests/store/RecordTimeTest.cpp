// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/RecordTime.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>

using namespace hv;

namespace {

// Formats under another default locale, then puts the test environment's back.
std::string formatIn(const char* locale, double seconds) {
    const icu::Locale saved = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(locale), status);
    const std::string text = formatRecordTime(seconds);
    icu::Locale::setDefault(saved, status);
    return text;
}

}  // namespace

// 2026-12-28 13:05:09 UTC lies in the first week of 2027 by US week rules: still 2026, and
// in the afternoon. Every locale writes Gregorian dates with Latin digits.
TEST(RecordTime, IsTheGregorianCalendarYearAndTheTwentyFourHourClockInEveryLocale) {
    EXPECT_EQ(formatIn("en_US", 1798463109), "2026-12-28 13:05:09");
    for (const char* locale : {"fa_IR", "th_TH", "ar_EG", "ja_JP@calendar=japanese", "he_IL",
                               "zh_CN", "hi_IN@numbers=deva"})
        EXPECT_EQ(formatIn(locale, 1765000000), "2025-12-06 05:46:40") << locale;
}
