// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultAppDelegate.h"

#include <gtest/gtest.h>

#include "app/LaunchOptions.h"
#include "app/LinkAcceptance.h"
#include "platform/Localization.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"

using namespace hv;

TEST(AppDelegate, ADatabaseThatCannotBeUsedIsSaidAtStartAndLeftAsItWas) {
    test::TempDir dir;
    test::ManualClock clock;
    Localization::install("en");
    const std::string garbage(4096, 'x');
    test::writeFile(dir.file("HiddenMSGTable"), garbage);
    HushvaultAppDelegate delegate(dir.paths());
    delegate.didFinishLaunchingWithOptions();
    AlertView* alert = test::visibleAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->messageText().contains(QString::fromStdString(dir.file("HiddenMSGTable"))));
    alert->dismiss();
    EXPECT_EQ(test::readFile(dir.file("HiddenMSGTable")), garbage);
}

TEST(LinkAcceptance, NeedsThePrefixAndFourMoreCharacters) {
    EXPECT_FALSE(LinkAcceptance::accepts("hiddenmsg://abc"));
    EXPECT_TRUE(LinkAcceptance::accepts("hiddenmsg://abcd"));
    EXPECT_TRUE(LinkAcceptance::accepts("HiddenMsg://abcd"));
    EXPECT_FALSE(LinkAcceptance::accepts("hiddenmsg:/abcde"));
    // Letters that fold to ASCII ones but are longer in UTF-8 would shift the token.
    EXPECT_FALSE(LinkAcceptance::accepts(QString::fromUtf8("hiddenmſg://abcd")));
    EXPECT_FALSE(LinkAcceptance::accepts(QString::fromUtf8("hİddenmsg://abcd")));
    EXPECT_FALSE(LinkAcceptance::accepts(""));
}

TEST(LaunchOptions, ReadsDirectoryLanguageAndLink) {
    QString error;
    auto options = LaunchOptions::parse(
        {"hushvault", "--data-dir", "/tmp/p", "--lang=zh_TW", "hiddenmsg://ABCD"}, &error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->paths.documentsDirectory(), "/tmp/p");
    EXPECT_FALSE(options->contactsDirectory);
    EXPECT_EQ(options->language, "zh_TW");
    EXPECT_EQ(options->link, "hiddenmsg://ABCD");
    EXPECT_FALSE(LaunchOptions::parse({"hushvault", "--frobnicate"}, &error));
    EXPECT_FALSE(LaunchOptions::parse({"hushvault", "--data-dir="}, &error));
    EXPECT_FALSE(LaunchOptions::parse({"hushvault", "a", "b"}, &error));

    EXPECT_EQ(options->sms, "auto");
    options = LaunchOptions::parse({"hushvault", "--sms=outbox"}, &error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->sms, "outbox");
    options = LaunchOptions::parse({"hushvault", "--contacts-dir=/media/phone vcards"}, &error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->contactsDirectory, "/media/phone vcards");
    EXPECT_FALSE(LaunchOptions::parse({"hushvault", "--contacts-dir="}, &error));
    EXPECT_FALSE(LaunchOptions::parse({"hushvault", "--sms", "carrier-pigeon"}, &error));
    EXPECT_NE(error.indexOf("carrier-pigeon"), -1);
}
