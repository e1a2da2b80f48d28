// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/SecretToken.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "crypto/Base64.h"
#include "crypto/Rc4.h"
#include "crypto/Utf8.h"

using hv::DecString;
using hv::GenEncURL;

namespace {

nlohmann::json loadVectors() {
    std::ifstream in(HV_TOKEN_VECTORS);
    return nlohmann::json::parse(in);
}

// A token whose check prefix fits `password` and whose body is the given cipher bytes.
std::string tokenWithCipherBytes(const std::string& cipherBytes, const std::string& password) {
    return GenEncURL("", password, true) + hv::base64Encode(cipherBytes);
}

}  // namespace

// The vectors come from an independent implementation (vectors/make_token_vectors.py):
// other installations must read what this one writes, byte for byte.
TEST(SecretToken, MatchesIndependentlyComputedTokens) {
    const auto vectors = loadVectors();
    ASSERT_GE(vectors.size(), 10u);
    for (const auto& v : vectors) {
        const std::string text = v["text"], password = v["password"];
        EXPECT_EQ(GenEncURL(text, password, true), v["plain"].get<std::string>()) << text;
        EXPECT_EQ(GenEncURL(text, password, false), v["escaped"].get<std::string>()) << text;
        EXPECT_EQ(DecString(v["plain"].get<std::string>(), password), text) << text;
    }
}

TEST(SecretToken, RejectsPrefixesThatAreNotLowerCaseHexOrDoNotFit) {
    const std::string token = GenEncURL("meet at eight", "secret", true);  // "9e76..."
    std::string upper = token;
    upper[1] = 'E';
    EXPECT_EQ(DecString(upper, "secret"), std::nullopt);
    EXPECT_EQ(DecString(token, "Secret"), std::nullopt);
    EXPECT_EQ(DecString("", "secret"), std::nullopt);
    EXPECT_EQ(DecString("9e7", "secret"), std::nullopt);
    EXPECT_EQ(DecString("9e7g" + token.substr(4), "secret"), std::nullopt);
    EXPECT_EQ(DecString(token + "é", "secret"), std::nullopt);  // not ASCII

    // A prefix of digits only has no case to get wrong.
    const std::string digitsOnly = GenEncURL("hi", "pw5", true);  // prefix "6301"
    ASSERT_EQ(digitsOnly.substr(0, 4), "6301");
    EXPECT_EQ(DecString(digitsOnly, "pw5"), "hi");
}

TEST(SecretToken, BrokenBodyGivesEmptyTextButBadUtf8GivesNothing) {
    const std::string token = GenEncURL("a message long enough", "secret", true);
    EXPECT_EQ(DecString(token.substr(0, token.size() - 1), "secret"), "");
    EXPECT_EQ(DecString(token.substr(0, 4) + "!!!!", "secret"), "");

    const std::string invalidUtf8 = hv::rc4_processData("\xff\xfe", "secret");
    EXPECT_EQ(DecString(tokenWithCipherBytes(invalidUtf8, "secret"), "secret"), std::nullopt);
}

TEST(SecretToken, Utf8CheckRefusesMalformedSequences) {
    EXPECT_TRUE(hv::isValidUtf8("plain ascii, 中文, 🙂"));
    for (const char* bad : {"\x80", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                            "\xe4\xb8", "\xf8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(hv::isValidUtf8(bad)) << bad;
    }
}
