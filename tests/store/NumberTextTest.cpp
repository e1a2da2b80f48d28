// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hv;

TEST(NumberText, ReadsTheLeadingNumberOrZero) {
    EXPECT_DOUBLE_EQ(leadingDouble("1765000000.250000"), 1765000000.25);
    EXPECT_DOUBLE_EQ(leadingDouble("  +12.5 minutes"), 12.5);
    EXPECT_DOUBLE_EQ(leadingDouble("-3"), -3);
    EXPECT_DOUBLE_EQ(leadingDouble("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingDouble(""), 0);
    EXPECT_FLOAT_EQ(leadingFloat("100000"), 100000.0f);
    EXPECT_TRUE(std::isinf(leadingDouble("1e999")));
    EXPECT_EQ(leadingInt32("  42abc"), 42);
    EXPECT_EQ(leadingInt32("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingInt32("-99999999999"), -2147483647 - 1);
    // An integer reading takes digits only: no exponent, fraction or infinity.
    EXPECT_EQ(leadingInt32("1e3"), 1);
    EXPECT_EQ(leadingInt32("7.9"), 7);
    EXPECT_EQ(leadingInt32("inf"), 0);
    EXPECT_EQ(leadingInt32("-infinity"), 0);
    EXPECT_EQ(leadingInt32("0x10"), 0);
    EXPECT_EQ(clampToInt32(std::nan("")), 0);
}
