// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultAppDelegate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTextEdit>

#include "Version.h"
#include "app/AppScreens.h"
#include "app/HushvaultViewController.h"
#include "app/LaunchOptions.h"
#include "app/LinkAcceptance.h"
#include "messaging/SMSReadViewController.h"
#include "platform/Localization.h"
#include "sms/OutboxSmsService.h"
#include "store/HushvaultSqlite.h"
#include "support/FakeAddressBook.h"
#include "support/FakeSmsService.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

using namespace hv;

namespace {

class AppDelegateTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ManualClock clock;
    test::FakeAddressBook addressBook;
};

}  // namespace

TEST_F(AppDelegateTest, FirstStartPreparesTheStoreAndShowsTheMainMenu) {
    {
        HushvaultAppDelegate delegate(dir.paths());
        EXPECT_TRUE(delegate.didFinishLaunchingWithOptions());
        EXPECT_TRUE(delegate.window()->isVisible());
        EXPECT_EQ(delegate.nav()->viewControllers(),
                  QList<ViewController*>({delegate.viewController()}));
        EXPECT_TRUE(delegate.viewController()->isVisibleScreen());
    }
    HushvaultSqlite store(dir.path());
    auto settings = store.findAllNewSMS();
    ASSERT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings["LockTime"], "1765000000.000000");
    EXPECT_TRUE(store.findByVersion(kHushvaultVersion));

    // A second start keeps what the user changed and adds nothing.
    store.updatetel("Record", "Off");
    clock.advance(3600);
    HushvaultAppDelegate again(dir.paths());
    again.didFinishLaunchingWithOptions();
    settings = store.findAllNewSMS();
    EXPECT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings["Record"], "Off");
    EXPECT_EQ(settings["LockTime"], "1765000000.000000");
}

TEST_F(AppDelegateTest, ADatabaseThatCannotBeUsedIsSaidAtStartAndLeftAsItWas) {
    Localization::install("en");
    const std::string garbage(4096, 'x');
    std::ofstream(dir.file("HiddenMSGTable"), std::ios::binary) << garbage;
    HushvaultAppDelegate delegate(dir.paths());
    delegate.didFinishLaunchingWithOptions();
    AlertView* alert = test::visibleAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->messageText().contains(QString::fromStdString(dir.file("HiddenMSGTable"))));
    alert->dismiss();
    EXPECT_EQ(test::readFile(dir.file("HiddenMSGTable")), garbage);

    std::remove(dir.file("HiddenMSGTable").c_str());  // a sound store says nothing
    HushvaultAppDelegate fresh(dir.paths());
    fresh.didFinishLaunchingWithOptions();
    EXPECT_EQ(test::visibleAlert(), nullptr);
}

TEST_F(AppDelegateTest, TheAboutScreenSaysHowAMessageWouldLeaveThePhoneNow) {
    Localization::install("en");
    test::FakeSmsService sms;
    HushvaultAppDelegate delegate(dir.paths(), makeMenuScreens(dir.paths(), &sms, addressBook));
    delegate.didFinishLaunchingWithOptions();
    for (const auto& [route, key] :
         {std::pair{SmsRoute::Modem, "via modem"}, std::pair{SmsRoute::Outbox, "via Outbox"}}) {
        sms.routeTaken = route;  // a modem that went away since the start, say
        delegate.viewController()->about();
        QList<QLabel*> lines = delegate.window()->findChildren<QLabel*>("smsServiceLabel");
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.last()->text(), localized("Sends through").arg(localized(key)));
        test::tap(delegate.window(), "aboutBackButton");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(AppDelegateTest, TheShippedReaderShowsTheTokenOfItsLink) {
    OutboxSmsService outbox(dir.path());
    HushvaultAppDelegate delegate(dir.paths(), makeMenuScreens(dir.paths(), &outbox, addressBook));
    delegate.setReaderFactory(makeReaderFactory(dir.paths(), &outbox, addressBook));
    delegate.didFinishLaunchingWithOptions();

    EXPECT_TRUE(delegate.openURL("hiddenmsg://abc"));  // 15 characters: ignored
    EXPECT_TRUE(delegate.openURL("mailto:someone@example.org"));
    EXPECT_EQ(delegate.window()->topController(), delegate.nav());
    delegate.openURL("HIDDENMSG://AbCd");  // 16 characters, any case
    auto* reader = qobject_cast<SMSReadViewController*>(delegate.decSMSViewController());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(delegate.window()->topController(), reader->navigationController());
    EXPECT_EQ(reader->findChild<QTextEdit*>("newText")->toPlainText(), "AbCd");

    const auto exitShown = [&] {
        for (auto* button : delegate.window()->findChildren<QAbstractButton*>("exitButton"))
            if (button->isVisibleTo(delegate.window())) return true;
        return false;
    };
    EXPECT_TRUE(exitShown());

    delegate.openURL("hiddenmsg://EfGh1234");  // the second one goes Back, not out
    auto* second = qobject_cast<SMSReadViewController*>(delegate.decSMSViewController());
    ASSERT_NE(second, reader);
    EXPECT_EQ(second->findChild<QTextEdit*>("newText")->toPlainText(), "EfGh1234");
    EXPECT_EQ(reader->findChild<QTextEdit*>("newText")->toPlainText(), "AbCd");
    EXPECT_FALSE(exitShown());
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
