// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/PhoneNumber.h"

#include <gtest/gtest.h>

using hv::dialablePhoneNumber;
using hv::normalizePhoneNumber;

TEST(PhoneNumber, RemovesPlus86SpacesAndDashesOnly) {
    EXPECT_EQ(normalizePhoneNumber("+86 138-0013-8000"), "13800138000");
    EXPECT_EQ(normalizePhoneNumber("138+86 0013+868000"), "13800138000");
    EXPECT_EQ(normalizePhoneNumber("0086 (138) 0013.8000"), "0086(138)0013.8000");
    EXPECT_EQ(normalizePhoneNumber("+44 20-7946"), "+44207946");
    EXPECT_EQ(normalizePhoneNumber(""), "");
}

TEST(PhoneNumber, DialableKeepsTheLeadingPlusAndTheDigitsOfANumberOnly) {
    const std::pair<const char*, const char*> numbers[] = {
        {"+86 138 0013 8000", "+8613800138000"},
        {"+1 (555) 010-9999", "+15550109999"},
        {"0049 30.1234/56", "004930123456"},
        {"138", "138"},
    };
    for (const auto& [typed, dialed] : numbers)
        EXPECT_EQ(dialablePhoneNumber(typed), dialed) << typed;
    for (const char* notANumber : {"hello", "Alice Anderson", "12", "+", "", "1+38 000", "138#"})
        EXPECT_FALSE(dialablePhoneNumber(notANumber)) << notANumber;
}
