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

// A prefix that is not lower-case hex or does not fit the password opens nothing; a broken
// body opens as empty text, but bytes that are not UTF-8 open as nothing.
TEST(SecretToken, OpensOnlyUnderAFittingLowerCaseHexPrefixAndAsUtf8) {
    const std::string token = GenEncURL("meet at eight", "secret", true);  // "9e76..."
    const std::string badUtf8 =
        tokenWithCipherBytes(hv::rc4_processData("\xff\xfe", "secret"), "secret");
    const struct {
        std::string token, password;
        std::optional<std::string> text;
    } cases[] = {
        {"9E76" + token.substr(4), "secret", std::nullopt},
        {token, "Secret", std::nullopt},
        {"", "secret", std::nullopt},
        {"9e7", "secret", std::nullopt},
        {"9e7g" + token.substr(4), "secret", std::nullopt},
        {token + "é", "secret", std::nullopt},        // not ASCII
        {GenEncURL("hi", "pw5", true), "pw5", "hi"},  // "6301…": no case to get wrong
        {token.substr(0, token.size() - 1), "secret", ""},
        {token.substr(0, 4) + "!!!!", "secret", ""},
        {badUtf8, "secret", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DecString(c.token, c.password), c.text) << c.token;
}

TEST(SecretToken, Utf8CheckRefusesMalformedSequences) {
    EXPECT_TRUE(hv::isValidUtf8("plain ascii, 中文, 🙂"));
    for (const char* bad : {"\x80", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                            "\xe4\xb8", "\xf8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(hv::isValidUtf8(bad)) << bad;
    }
}
