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
    // "message 0" under "escape" has a "+" in its Base64 text.
    const std::string plain = GenEncURL("message 0", "escape", true);
    ASSERT_NE(plain.find('+'), std::string::npos);
    EXPECT_EQ(SmsBody::make("Label:", true, "message 0", "escape", "h.example"),
              "Label: hiddenmsg://" + plain);
    const std::string web = SmsBody::make("Label:", false, "message 0", "escape", "h.example");
    EXPECT_EQ(web, "Label: http://h.example/s/?m=" + GenEncURL("message 0", "escape", false));
    EXPECT_EQ(web.find('+'), std::string::npos);
    // An empty message is the check prefix alone.
    EXPECT_EQ(SmsBody::make("L", true, "", "abc", "h"),
              "L hiddenmsg://" + GenEncURL("", "abc", true));
    EXPECT_EQ(GenEncURL("", "abc", true).size(), 4u);
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

TEST(SmsSegments, SevenBitBodiesSplitAfter160IntoPartsOf153) {
    EXPECT_EQ(countSmsSegments("").parts, 1);
    auto at160 = countSmsSegments(std::string(160, 'a'));
    EXPECT_TRUE(at160.gsm7);
    EXPECT_EQ(at160.units, 160);
    EXPECT_EQ(at160.parts, 1);
    EXPECT_EQ(countSmsSegments(std::string(161, 'a')).parts, 2);
    EXPECT_EQ(countSmsSegments(std::string(306, 'a')).parts, 2);
    EXPECT_EQ(countSmsSegments(std::string(307, 'a')).parts, 3);
    // Extension characters take two septets; "é" and "€" stay in the 7-bit alphabet.
    const auto braces = countSmsSegments(std::string(79, 'a') + "{}" + "é€");
    EXPECT_TRUE(braces.gsm7);
    EXPECT_EQ(braces.units, 79 + 4 + 1 + 2);
}

TEST(SmsSegments, OtherTextTravelsAsUcs2In70And67) {
    std::string chinese;
    for (int i = 0; i < 70; ++i) chinese += "密";
    const auto at70 = countSmsSegments(chinese);
    EXPECT_FALSE(at70.gsm7);
    EXPECT_EQ(at70.units, 70);
    EXPECT_EQ(at70.parts, 1);
    EXPECT_EQ(countSmsSegments(chinese + "a").parts, 2);
    EXPECT_EQ(countSmsSegments(std::string(133, 'a') + "ç").parts, 2);  // ç is not GSM: 134 units
    EXPECT_EQ(countSmsSegments("🙂").units, 2);
    // A part never ends between the halves of an emoji: after 66 units the emoji opens the
    // second part, whose 67 units leave one for a third, although 134 units fit in two.
    const std::string emoji = "ç" + std::string(65, 'a') + "🙂" + std::string(66, 'a');
    EXPECT_EQ(countSmsSegments(emoji).units, 134);
    EXPECT_EQ(countSmsSegments(emoji).parts, 3);
}
