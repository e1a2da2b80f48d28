// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Base64.h"

#include <gtest/gtest.h>

using hv::base64Decode;
using hv::base64Encode;

TEST(Base64, EncodesAndDecodesTheRfc4648VectorsAndSkipsWhiteSpace) {
    const std::pair<std::string, std::string> vectors[] = {{"f", "Zg=="},
                                                           {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},
                                                           {"foobar", "Zm9vYmFy"},
                                                           {"\xfb\xff\xbf", "+/+/"}};
    for (const auto& [data, text] : vectors) {
        EXPECT_EQ(base64Encode(data), text);
        EXPECT_EQ(base64Decode(text), data) << text;
    }
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Decode(" Zm\t9v\r\nYm\vFy\f"), "foobar");
    EXPECT_EQ(base64Decode("Zg= ="), "f");
}

TEST(Base64, RejectsWrongPaddingForeignCharactersAndNothingAtAll) {
    for (const char* bad : {"", " \n\t", "Zg", "Zg=", "Zm9", "Z===", "====", "Zg==Zg==", "Zm=v",
                            "Zm9v%2B", "Zm9v-_", "Zm9v.", "Zm9vYmFy=", "Zg==="}) {
        EXPECT_EQ(base64Decode(bad), std::nullopt) << bad;
    }
}
