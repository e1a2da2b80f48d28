// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Base64.h"

#include <gtest/gtest.h>

using hv::base64Decode;
using hv::base64Encode;

TEST(Base64, EncodesTheRfc4648Vectors) {
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Encode("f"), "Zg==");
    EXPECT_EQ(base64Encode("fo"), "Zm8=");
    EXPECT_EQ(base64Encode("foo"), "Zm9v");
    EXPECT_EQ(base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(base64Encode(std::string("\xfb\xff\xbf", 3)), "+/+/");
}

TEST(Base64, DecodesPaddedTextAndSkipsWhiteSpace) {
    EXPECT_EQ(base64Decode("Zm9vYmFy"), "foobar");
    EXPECT_EQ(base64Decode("Zg=="), "f");
    EXPECT_EQ(base64Decode("Zm8="), "fo");
    EXPECT_EQ(base64Decode(" Zm\t9v\r\nYm\vFy\f"), "foobar");
    EXPECT_EQ(base64Decode("Zg= ="), "f");
    EXPECT_EQ(base64Decode("+/+/"), std::string("\xfb\xff\xbf", 3));
}

TEST(Base64, RejectsWrongPaddingAndForeignCharacters) {
    for (const char* bad : {"Zg", "Zg=", "Zm9", "Z===", "====", "Zg==Zg==", "Zm=v", "Zm9v%2B",
                            "Zm9v-_", "Zm9v.", "Zm9vYmFy=", "Zg==="}) {
        EXPECT_EQ(base64Decode(bad), std::nullopt) << bad;
    }
}

TEST(Base64, GivesNoDataForAnEmptyDecoding) {
    EXPECT_EQ(base64Decode(""), std::nullopt);
    EXPECT_EQ(base64Decode(" \n\t"), std::nullopt);
}
