#include "store/PhoneNumber.h"

#include <gtest/gtest.h>

using hv::normalizePhoneNumber;

TEST(PhoneNumber, RemovesPlus86SpacesAndDashesOnly) {
    EXPECT_EQ(normalizePhoneNumber("+86 138-0013-8000"), "13800138000");
    EXPECT_EQ(normalizePhoneNumber("138+86 0013+868000"), "13800138000");
    EXPECT_EQ(normalizePhoneNumber("0086 (138) 0013.8000"), "0086(138)0013.8000");
    EXPECT_EQ(normalizePhoneNumber("+44 20-7946"), "+44207946");
    EXPECT_EQ(normalizePhoneNumber(""), "");
}
