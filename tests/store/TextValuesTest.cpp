// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers, phone numbers and lengths read from text people type.
#include <gtest/gtest.h>

#include <cmath>

#include "store/NumberText.h"
#include "store/PhoneNumber.h"
#include "store/TextLength.h"

using namespace hv;

TEST(NumberText, ReadsTheLeadingNumberOrZero) {
    EXPECT_DOUBLE_EQ(leadingDouble("1765000000.250000"), 1765000000.25);
    EXPECT_DOUBLE_EQ(leadingDouble("  +12.5 minutes"), 12.5);
    EXPECT_DOUBLE_EQ(leadingDouble("-3"), -3);
    EXPECT_DOUBLE_EQ(leadingDouble("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingDouble(""), 0);
    EXPECT_FLOAT_EQ(leadingFloat("100000"), 100000.0f);
    EXPECT_EQ(leadingDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(leadingDouble(" -1e999"), -HUGE_VAL);
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

TEST(PhoneNumber, RemovesPlus86SpacesAndDashesOnly) {
    EXPECT_EQ(hv::normalizePhoneNumber("+86 138-0013-8000"), "13800138000");
    EXPECT_EQ(hv::normalizePhoneNumber("138+86 0013+868000"), "13800138000");
    EXPECT_EQ(hv::normalizePhoneNumber("0086 (138) 0013.8000"), "0086(138)0013.8000");
    EXPECT_EQ(hv::normalizePhoneNumber("+44 20-7946"), "+44207946");
    EXPECT_EQ(hv::normalizePhoneNumber(""), "");
}

TEST(PhoneNumber, DialableKeepsTheLeadingPlusAndTheDigitsOfANumberOnly) {
    const std::pair<const char*, const char*> numbers[] = {
        {"+86 138 0013 8000", "+8613800138000"},
        {"+1 (555) 010-9999", "+15550109999"},
        {"(555) 010-9999", "5550109999"},
        {"0049 30.1234/56", "004930123456"},
        {"138", "138"},
    };
    for (const auto& [typed, dialed] : numbers)
        EXPECT_EQ(hv::dialablePhoneNumber(typed), dialed) << typed;
    for (const char* notANumber : {"hello", "Alice Anderson", "12", "+", "", "1+38 000", "138#"})
        EXPECT_FALSE(hv::dialablePhoneNumber(notANumber)) << notANumber;
}

// Password lengths count as the screens' text fields do: UTF-16 code units.
TEST(TextLength, CountsUtf16UnitsNotBytesOrCharacters) {
    const std::pair<const char*, std::size_t> texts[] = {
        {"", 0}, {"abc", 3}, {"café", 4}, {"密码", 2}, {"🙂", 2}, {"a🙂é中", 5},
    };
    for (const auto& [text, units] : texts) EXPECT_EQ(utf16Length(text), units) << text;
}
