// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/SmsBody.h"

#include <gtest/gtest.h>

#include "crypto/SecretToken.h"
#include "sms/SmsSegmentCounter.h"
#include "sms/WebLinkHost.h"
#include "store/ConfigFile.h"
#include "support/TempDir.h"

using namespace hv;

TEST(SmsBody, ApplicationLinkCarriesThePlainTokenAndWebLinkTheEscapedOne) {
    // "message 0" under "escape" has a "+" in its Base64 text: "%2B" in a web link.
    EXPECT_EQ(SmsBody::make("Label:", true, "message 0", "escape", "h.example"),
              "Label: hiddenmsg://" + GenEncURL("message 0", "escape", true));
    EXPECT_EQ(SmsBody::make("Label:", false, "message 0", "escape", "h.example"),
              "Label: http://h.example/s/?m=0c2b%2B0ya6nbqc7mA");
}

TEST(WebLinkHost, IsTheUsersOwnHostNameOrNone) {
    test::TempDir dir;
    EXPECT_EQ(WebLinkHost::configured(dir.path()), std::nullopt) << "no default host";
    for (const char* host : {"links.example.org", "localhost", "192.168.1.20:8080", "a-b.c9"})
        EXPECT_TRUE(WebLinkHost::isValid(host)) << host;
    for (const char* host :
         {"", "http://evil.example/x?", "evil.example/x", "a b", "-a.org", "a-.org", "a..org",
          ".org", "org.", "a.org:", "a.org:0", "a.org:65536", "a.org:08", "exämple.org", "[::1]"})
        EXPECT_FALSE(WebLinkHost::isValid(host)) << host;
    EXPECT_FALSE(WebLinkHost::isValid(std::string(64, 'a') + ".org"));
    const std::string longest = std::string(63, 'a') + "." + std::string(63, 'b') + "." +
                                std::string(63, 'c') + "." + std::string(61, 'd');
    EXPECT_TRUE(WebLinkHost::isValid(longest));
    EXPECT_FALSE(WebLinkHost::isValid(longest + "d")) << "254 characters";

    ASSERT_TRUE(WebLinkHost::store(dir.path(), "links.example.org"));
    EXPECT_EQ(WebLinkHost::configured(dir.path()), "links.example.org");
    ConfigFile(dir.path()).SetStrValueToConfigFile("WebLinkHost", "http://evil.example/x?");
    EXPECT_EQ(WebLinkHost::configured(dir.path()), std::nullopt);
}

// 7-bit bodies split after 160 septets into parts of 153; other text travels as UCS-2 in 70
// and 67 units.
TEST(SmsSegments, CountTheUnitsOfTheAlphabetAndThePartsTheyNeed) {
    std::string chinese;
    for (int i = 0; i < 70; ++i) chinese += "密";
    const struct {
        std::string text;
        bool gsm7;
        int units, parts;
    } cases[] = {
        {"", true, 0, 1},
        {std::string(160, 'a'), true, 160, 1},
        {std::string(161, 'a'), true, 161, 2},
        {std::string(306, 'a'), true, 306, 2},
        {std::string(307, 'a'), true, 307, 3},
        // Extension characters take two septets; "é" and "€" stay in the 7-bit alphabet.
        {std::string(79, 'a') + "{}" + "é€", true, 79 + 4 + 1 + 2, 1},
        {chinese, false, 70, 1},
        {chinese + "a", false, 71, 2},
        {std::string(133, 'a') + "ç", false, 134, 2},  // ç is not GSM
        {"🙂", false, 2, 1},
        // A part never ends between the halves of an emoji: after 66 units the emoji opens
        // the second part, whose 67 units leave one for a third, although 134 fit in two.
        {"ç" + std::string(65, 'a') + "🙂" + std::string(66, 'a'), false, 134, 3},
    };
    for (const auto& c : cases) {
        const SmsSegments segments = countSmsSegments(c.text);
        EXPECT_EQ(segments.gsm7, c.gsm7) << c.text;
        EXPECT_EQ(segments.units, c.units) << c.text;
        EXPECT_EQ(segments.parts, c.parts) << c.text;
    }
}
