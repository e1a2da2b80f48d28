// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a person pastes or receives (a token, an escaped token, an application or web link,
// a whole SMS) comes down to the plain-form token the cipher reads.
#include "crypto/SecretLink.h"

#include <gtest/gtest.h>

#include "crypto/SecretToken.h"

using namespace hv;

TEST(SecretLink, EveryFormATokenTravelsInGivesThePlainToken) {
    // "message 0" under "escape" has a "+" in its Base64 text.
    const std::string plain = GenEncURL("message 0", "escape", true);
    const std::string escaped = GenEncURL("message 0", "escape", false);
    ASSERT_NE(escaped.find("%2B"), std::string::npos);
    std::string lowerEscape = escaped;
    lowerEscape.replace(lowerEscape.find("%2B"), 3, "%2b");
    const struct {
        std::string text, token;
    } cases[] = {
        {plain, plain},
        {escaped, plain},
        {lowerEscape, plain},
        {" \t" + escaped + "\r\n", plain},
        {"hiddenmsg://" + plain, plain},
        {"HiddenMsg://" + plain, plain},
        {"Hushvault message: hiddenmsg://" + plain, plain},
        {"http://h.example/s/?m=" + escaped, plain},
        {"密信 https://h.example:8080/s/?m=" + escaped + "#top", plain},
        // The token is the "m" parameter, wherever it stands among the others.
        {"http://h.example/s/?s=1&lang=en&m=" + escaped + "&x=2", plain},
        {"http://h.example/s/?sm=" + plain, ""},
        // A web page that is not the reader's is no token of its own.
        {"http://h.example/about", "http://h.example/about"},
        {"%2", "%2"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(tokenFromLink(c.text), c.token) << c.text;
    EXPECT_EQ(DecString(tokenFromLink(escaped), "escape"), "message 0");
}

TEST(SecretLink, OnlyAWellFormedTokenCountsAndAReceivedSmsNeedsALink) {
    const std::string plain = GenEncURL("hi", "tea", true);
    EXPECT_EQ(secretTokenInText(plain), plain);
    EXPECT_EQ(secretTokenInText("http://h.example/s/?m=" + plain), plain);
    for (const std::string text : {"", "hello world", "9E76Zm9v", "hiddenmsg://abc"})
        EXPECT_EQ(secretTokenInText(text), std::nullopt) << text;

    // A token alone in an SMS is plain text somebody wrote; behind a link it is a secret.
    EXPECT_EQ(secretTokenInMessage(plain), std::nullopt);
    EXPECT_EQ(secretTokenInMessage("Hushvault message: hiddenmsg://" + plain), plain);
    EXPECT_EQ(secretTokenInMessage("see https://h.example/s/?m=" + plain), plain);
    EXPECT_EQ(secretTokenInMessage("see https://h.example/news"), std::nullopt);
}
