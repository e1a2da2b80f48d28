// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/CreatNewMessageViewContrller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include "crypto/SecretToken.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "messaging/MessageDraft.h"
#include "messaging/SendState.h"
#include "platform/ContactsMetaType.h"
#include "platform/Localization.h"
#include "platform/NotificationNames.h"
#include "platform/TelephonyCenter.h"
#include "sms/SmsBody.h"
#include "sms/WebLinkHost.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "store/StorePaths.h"
#include "support/FakeSmsService.h"
#include "support/ManualClock.h"
#include "support/ScreenHost.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/ActivityIndicator.h"
#include "ui/AlertView.h"
#include "ui/GrowingTextView.h"
#include "ui/GrowingTextViewInternal.h"
#include "ui/NavigationController.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

using namespace hv;
using namespace std::chrono_literals;
using Mode = test::FakeSmsService::Mode;

namespace {

class ComposerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Localization::install("en");
        StartupSequence::run(store, "1.0", 0);
        WebLinkHost::store(dir.path(), "links.example.org");
        TelephonyCenter::defaultCenter().connectService(sms);
        CreatNewMessageViewContrller::setWatcherTiming({1ms, 300});
    }

    // No watcher of this test may see the reports of the next one.
    void TearDown() override {
        settle();
        sendState() = kSendStateWaiting;
    }

    CreatNewMessageViewContrller* open() {
        ComposerScreens screens;
        screens.phoneTypeChooser = [](std::function<void(bool)> chosen) -> ViewController* {
            return ChoosePhoneTypeViewController::create(std::move(chosen));
        };
        screens.settings = [] {
            auto* settings = new ViewController;
            settings->setObjectName("settings");
            return settings;
        };
        auto* composer = new CreatNewMessageViewContrller(&sms, dir.paths(), screens);
        composer->setContract(Contacts{});
        nav->pushViewController(composer, false);
        return composer;
    }

    void fill(CreatNewMessageViewContrller* composer, const QString& to, const QString& password,
              const QString& text) {
        field(composer, "personTextField")->setText(to);
        field(composer, "passTextField")->setText(password);
        message(composer)->setText(text);
    }

    std::string draftDirectory() const { return dir.paths().temporaryDirectory(); }

    // What a person sees and types into on the composer.
    static QLineEdit* field(QWidget* composer, const char* name) {
        return composer->findChild<QLineEdit*>(name);
    }
    static GrowingTextView* message(QWidget* composer) {
        return composer->findChild<GrowingTextView*>("textView");
    }
    static QString phoneType(QWidget* composer) {
        return composer->findChild<TableRow*>("phoneTypeRow")->detail();
    }

    QString alertMessage() {
        AlertView* alert = test::visibleAlert();
        return alert ? alert->messageText() : QString();
    }

    // Lets every watcher finish and its report reach the UI thread.
    void settle() {
        for (int i = 0; i < 1000 && SendWatcher::runningCount() > 0; ++i) QTest::qWait(5);
        QTest::qWait(0);
    }

    test::TempDir dir;
    test::ManualClock clock;
    HushvaultSqlite store{dir.path()};
    test::FakeSmsService sms;
    test::ScreenHost host;
    Window& window = host.window;
    ViewController* root = host.root;
    NavigationController* nav = host.nav;
};

}  // namespace

TEST_F(ComposerTest, SendsATypedNumberAsAWebLinkAndRecordsIt) {
    auto* composer = open();
    fill(composer, "+86 138-0013 8000", "tea", "See you at eight");
    test::tap(composer, "sendButton");

    ASSERT_EQ(sms.sent.size(), 1u);
    EXPECT_EQ(sms.sent[0].to, "+8613800138000");  // dialable from abroad too
    const std::string prefix =
        localized("hiddenMSG").toStdString() + " http://links.example.org/s/?m=";
    ASSERT_EQ(sms.sent[0].body.rfind(prefix, 0), 0u) << sms.sent[0].body;
    EXPECT_EQ(sms.sent[0].body.substr(prefix.size()), GenEncURL("See you at eight", "tea", false));
    const auto records = store.findAllSMS();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].telePhoneNumber, "13800138000");
    EXPECT_EQ(records[0].contents, "See you at eight");
    EXPECT_EQ(records[0].statue, "2");
    EXPECT_EQ(message(composer)->text(), "");

    AlertView* progress = test::visibleAlert();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->titleText(), localized("send"));
    clock.advance(1.5);
    EXPECT_EQ(progress->titleText(), localized("F-send"));
    clock.advance(0.5);
    EXPECT_EQ(test::visibleAlert(), nullptr);
}

TEST_F(ComposerTest, WithoutAWebLinkHostNothingGoesAndTheSettingsAreOffered) {
    WebLinkHost::store(dir.path(), "");
    auto* composer = open();
    fill(composer, "138", "tea", "See you at eight");
    test::tap(composer, "sendButton");
    EXPECT_TRUE(sms.sent.empty());
    EXPECT_TRUE(store.findAllSMS().empty());
    EXPECT_EQ(message(composer)->text(), "See you at eight");
    ASSERT_EQ(alertMessage(), localized("no web link host"));
    test::tapAlertButton(test::visibleAlert(), 1);
    EXPECT_EQ(nav->topViewController()->objectName(), "settings");
    nav->popViewControllerAnimated(false);

    composer->IsIphoneFriend(true);  // a friend with Hushvault needs no web page
    test::tap(composer, "sendButton");
    EXPECT_EQ(sms.sent.size(), 1u);
    settle();
}

TEST_F(ComposerTest, AMessageOnlyKeptInTheOutboxIsNotCalledSent) {
    sms.setMode(Mode::AcceptThenSent);
    sms.routeTaken = SmsRoute::Outbox;
    auto* composer = open();
    fill(composer, "138", "abc", "kept");
    test::tap(composer, "sendButton");
    clock.advance(1.5);
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->titleText(), localized("kept in Outbox"));
    settle();
}

TEST_F(ComposerTest, StayingOnTheComposerPastEveryDelayKeepsItUsable) {
    sms.setMode(Mode::AcceptThenSent);
    auto* composer = open();
    fill(composer, "138", "abc", "first");
    test::tap(composer, "sendButton");
    clock.advance(5.0);  // the progress alert has gone (2 s) and the spinner stopped (4 s)
    EXPECT_EQ(test::visibleAlert(), nullptr);
    settle();

    fill(composer, "138", "abc", "second");
    test::tap(composer, "sendButton");
    clock.advance(5.0);
    settle();
    ASSERT_EQ(sms.sent.size(), 2u);
    EXPECT_EQ(nav->topViewController(), composer);
}

namespace {

QStringList& logLines() {
    static QStringList lines;
    return lines;
}

void keepLogLine(QtMsgType, const QMessageLogContext&, const QString& line) {
    logLines().append(line);
}

}  // namespace

TEST_F(ComposerTest, LogsOutcomesButNeverNumbersTextsOrPasswords) {
    logLines().clear();
    QLoggingCategory::setFilterRules("hushvault.*=true");
    const QtMessageHandler previous = qInstallMessageHandler(keepLogLine);
    sms.setMode(Mode::AcceptThenError);
    auto* composer = open();
    fill(composer, "+86 13912345678", "teapot", "meet at the north gate");
    test::tap(composer, "sendButton");
    clock.advance(5.0);
    settle();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules({});

    ASSERT_FALSE(logLines().isEmpty());
    for (const QString& line : logLines())
        for (const char* secret : {"13912345678", "teapot", "north gate", "hiddenmsg", "/s/?m="})
            EXPECT_FALSE(line.contains(secret)) << line.toStdString();
}

TEST_F(ComposerTest, AtTheKeyboardTabLeavesTheMessageAndCtrlEnterSends) {
    auto* composer = open();
    test::activate(&window);
    fill(composer, "138", "abc", "");
    QWidget* inner = message(composer)->internalTextView();
    inner->setFocus();
    QTest::keyClicks(inner, "hello");
    QTest::keyClick(inner, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), inner);
    EXPECT_EQ(message(composer)->text(), "hello");

    QTest::keyClick(inner, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(sms.sent.size(), 1u);
    EXPECT_EQ(message(composer)->text(), "");
    // The progress alert has the keyboard: another Ctrl+Enter sends nothing.
    QTest::keyClick(inner, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(field(composer, "passTextField"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sms.sent.size(), 1u);
    clock.advance(5.0);
    settle();
    QTest::keyClick(field(composer, "passTextField"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(sms.sent.size(), 2u);
}

TEST_F(ComposerTest, RefusesAMissingNumberOrAShortPassword) {
    auto* composer = open();
    fill(composer, "", "tea", "x");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(alertMessage(), localized("Input Number"));
    test::tapAlertButton(test::visibleAlert(), 0);

    fill(composer, "138", "te", "x");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(alertMessage(), localized("Input En-PWD"));
    EXPECT_TRUE(sms.sent.empty());
    EXPECT_TRUE(store.findAllSMS().empty());
}

TEST_F(ComposerTest, AnEmptyMessageIsSentAsTheCheckPrefix) {
    auto* composer = open();
    composer->IsIphoneFriend(true);
    fill(composer, "138", "abc", "");
    composer->EncryptAndSendToCommon();
    ASSERT_EQ(sms.sent.size(), 1u);
    EXPECT_EQ(sms.sent[0].body,
              localized("hiddenMSG").toStdString() + " hiddenmsg://" + GenEncURL("", "abc", true));
}

TEST_F(ComposerTest, ARefusedMessageStaysInTheFieldIsKeptAsNotSentAndSaidUntilDismissed) {
    sms.setMode(Mode::Refuse);
    auto* composer = open();
    fill(composer, "138", "abc", "keep me");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(message(composer)->text(), "keep me");
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(store.findAllSMS()[0].statue, "4");
    clock.advance(10);
    AlertView* failure = test::visibleAlert();
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->titleText(), localized("failed send"));
    EXPECT_EQ(failure->messageText(), localized("send error"));
    EXPECT_EQ(failure->findChild<ActivityIndicator*>(), nullptr);
    test::tapAlertButton(failure, 0);
    settle();
}

TEST_F(ComposerTest, ALaterSendErrorBringsTheWarningAndResetsTheState) {
    sms.setMode(Mode::AcceptSilently);
    auto* composer = open();
    fill(composer, "138", "abc", "hello");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(TelephonyCenter::defaultCenter().observerCount(), 1);
    sms.report(kCTMessageSendErrorNotification);
    settle();
    EXPECT_EQ(TelephonyCenter::defaultCenter().observerCount(), 0);
    EXPECT_EQ(sendState().load(), kSendStateWaiting);
    AlertView* warning = test::visibleAlert();
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->titleText(), localized("Warning"));
    EXPECT_EQ(warning->messageText(), localized("send error"));
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(store.findAllSMS()[0].statue, "4");  // it did not go out after all
}

TEST_F(ComposerTest, ASendErrorReportedAfterLeavingTheComposerStillReachesTheUser) {
    auto* composer = open();
    fill(composer, "138", "abc", "hello");
    composer->EncryptAndSendToCommon();
    nav->popViewControllerAnimated(false);
    clock.advance(5.0);  // the composer is deleted and every delay has passed
    ASSERT_EQ(nav->topViewController(), root);

    sms.report(kCTMessageSendErrorNotification);
    settle();
    AlertView* warning = test::visibleAlert();
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->messageText(), localized("send error"));
    EXPECT_EQ(TelephonyCenter::defaultCenter().observerCount(), 0);
}

TEST_F(ComposerTest, AReportBeforeTheWatcherStartsEndsItQuietly) {
    sms.setMode(Mode::AcceptThenSent);
    auto* composer = open();
    fill(composer, "138", "abc", "hello");
    composer->EncryptAndSendToCommon();
    settle();
    EXPECT_EQ(sendState().load(), kSendStateWaiting);
    clock.advance(2.0);
    EXPECT_EQ(test::visibleAlert(), nullptr);
}

TEST_F(ComposerTest, APickedContactIsTakenOverAndAnEditedNameIsNoNumber) {
    auto* composer = open();
    Contacts picked;
    picked.name = "Li Lei";
    picked.telePhoneNumber = "138 0013-8000";
    picked.passWord = "preset";
    picked.iphoneFriend = "1";
    NotificationCenter::defaultCenter().postNotification(kNotificationGetContractInfo,
                                                         QVariant::fromValue(picked));
    EXPECT_EQ(field(composer, "personTextField")->text(), "Li Lei");
    EXPECT_EQ(field(composer, "passTextField")->text(), "preset");
    EXPECT_EQ(phoneType(composer), localized("iphone"));
    message(composer)->setText("hi");
    composer->EncryptAndSendToCommon();
    ASSERT_EQ(sms.sent.size(), 1u);
    EXPECT_EQ(sms.sent[0].to, "13800138000");
    EXPECT_NE(sms.sent[0].body.find(" hiddenmsg://"), std::string::npos);
    settle();

    // The name edited into another name is no longer the picked contact, nor a number.
    field(composer, "personTextField")->setText("Li Leii");
    message(composer)->setText("again");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(sms.sent.size(), 1u);
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("Input Number"));
}

TEST_F(ComposerTest, TheDraftSurvivesLeavingAndIsConsumedByTheNextComposer) {
    auto* composer = open();
    composer->IsIphoneFriend(true);
    fill(composer, "13800138000", "tea", "half written");
    nav->popViewControllerAnimated(false);
    ASSERT_TRUE(MessageDraft::load(draftDirectory()));
    EXPECT_EQ(test::permissions(MessageDraft::path(draftDirectory())), 0600u);
    EXPECT_EQ(MessageDraft::load(draftDirectory())->telephone, "13800138000");

    auto* next = open();
    EXPECT_EQ(field(next, "personTextField")->text(), "13800138000");
    EXPECT_EQ(field(next, "passTextField")->text(), "tea");
    EXPECT_EQ(message(next)->text(), "half written");
    EXPECT_EQ(phoneType(next), localized("iphone"));
    EXPECT_FALSE(MessageDraft::load(draftDirectory()));

    message(next)->setText("");
    nav->popViewControllerAnimated(false);
    EXPECT_FALSE(MessageDraft::load(draftDirectory()));  // no text: no draft
}

TEST_F(ComposerTest, ADraftWriteKilledHalfwayLeavesNoTextOrPasswordBehind) {
    // What a killed write leaves: the temporary file beside the draft, named after it.
    const std::string leftover = draftDirectory() + "/.tempMessage.a1B2c3";
    const std::string other = draftDirectory() + "/.tempMessage.longer1";
    for (const std::string& path : {leftover, other}) {
        ASSERT_TRUE(ensureDirectory(draftDirectory()));
        std::ofstream(path) << "half written, with the password";
    }
    auto* composer = open();
    fill(composer, "13800138000", "tea", "half written");
    nav->popViewControllerAnimated(false);
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(other));  // not one of its own
    ASSERT_TRUE(MessageDraft::load(draftDirectory()));
}

TEST_F(ComposerTest, ChoosingAPhoneTypeReturnsToTheComposer) {
    auto* composer = open();
    auto* row = composer->findChild<TableRow*>("phoneTypeRow");
    ASSERT_NE(row, nullptr);
    QTest::mouseClick(row, Qt::LeftButton);
    auto* chooser = qobject_cast<ChoosePhoneTypeViewController*>(nav->topViewController());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->title(), localized("Mobi Type"));
    nav->popViewControllerAnimated(false);  // "Back": nothing chosen
    EXPECT_EQ(phoneType(composer), localized("cell"));

    QTest::mouseClick(row, Qt::LeftButton);
    chooser = qobject_cast<ChoosePhoneTypeViewController*>(nav->topViewController());
    QTest::mouseClick(chooser->findChild<TableRow*>("phoneTypeRow1"), Qt::LeftButton);
    EXPECT_EQ(nav->topViewController(), composer);
    EXPECT_EQ(phoneType(composer), localized("iphone"));
    EXPECT_EQ(row->detail(), localized("iphone"));
}

TEST_F(ComposerTest, TheCounterShowsCharactersAndParts) {
    auto* composer = open();
    composer->IsIphoneFriend(true);
    fill(composer, "138", "abc", QString(300, 'a'));
    // 300 characters of text make a token of 404 and a body of over 420: three parts.
    EXPECT_TRUE(composer->findChild<QLabel*>("smsCounter")->text().endsWith("3 SMS"))
        << composer->findChild<QLabel*>("smsCounter")->text().toStdString();
}
