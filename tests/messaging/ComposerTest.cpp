// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/CreatNewMessageViewContrller.h"

#include <QApplication>
#include <QLoggingCategory>
#include <filesystem>
#include <fstream>

#include "crypto/SecretToken.h"
#include "messaging/MessageDraft.h"
#include "messaging/SendState.h"
#include "platform/ContactsMetaType.h"
#include "platform/NotificationNames.h"
#include "platform/TelephonyCenter.h"
#include "sms/WebLinkHost.h"
#include "support/FakeSmsService.h"
#include "support/ui/ScreenTest.h"
#include "ui/ActivityIndicator.h"
#include "ui/GrowingTextView.h"
#include "ui/GrowingTextViewInternal.h"

using namespace hv;
using namespace std::chrono_literals;
using Mode = test::FakeSmsService::Mode;

namespace {

class ComposerTest : public test::ScreenTest {
protected:
    void SetUp() override {
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
        auto* composer = new CreatNewMessageViewContrller(&sms, dir.paths(), ComposerScreens{});
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

    // Lets every watcher finish and its report reach the UI thread.
    void settle() {
        for (int i = 0; i < 1000 && SendWatcher::runningCount() > 0; ++i) QTest::qWait(5);
        QTest::qWait(0);
    }

    test::FakeSmsService sms;
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

TEST_F(ComposerTest, ALaterSendErrorWarnsEvenAfterLeavingAndMarksTheRecordNotSent) {
    auto* composer = open();
    fill(composer, "138", "abc", "hello");
    composer->EncryptAndSendToCommon();
    EXPECT_EQ(TelephonyCenter::defaultCenter().observerCount(), 1);
    nav->popViewControllerAnimated(false);
    clock.advance(5.0);  // the composer is deleted and every delay has passed
    ASSERT_EQ(nav->topViewController(), root);

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
    ASSERT_EQ(alertMessage(), localized("Input Number"));
}

TEST_F(ComposerTest, TheDraftIsPrivateConsumedOnceAndLeavesNoHalfWrittenCopyBehind) {
    // What a killed write leaves: the temporary file beside the draft, named after it.
    const std::string leftover = draftDirectory() + "/.tempMessage.a1B2c3";
    const std::string other = draftDirectory() + "/.tempMessage.longer1";
    for (const std::string& path : {leftover, other}) {
        ASSERT_TRUE(ensureDirectory(draftDirectory()));
        std::ofstream(path) << "half written, with the password";
    }
    auto* composer = open();
    composer->IsIphoneFriend(true);
    fill(composer, "13800138000", "tea", "half written");
    nav->popViewControllerAnimated(false);
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(other));  // not one of its own
    ASSERT_TRUE(MessageDraft::load(draftDirectory()));
    EXPECT_EQ(test::permissions(MessageDraft::path(draftDirectory())), 0600u);

    auto* next = open();
    EXPECT_EQ(field(next, "passTextField")->text(), "tea");
    EXPECT_EQ(message(next)->text(), "half written");
    EXPECT_EQ(phoneType(next), localized("iphone"));
    EXPECT_FALSE(MessageDraft::load(draftDirectory()));
    message(next)->setText("");
    nav->popViewControllerAnimated(false);
    EXPECT_FALSE(MessageDraft::load(draftDirectory()));  // no text: no draft
}

TEST_F(ComposerTest, TheCounterShowsCharactersAndParts) {
    auto* composer = open();
    composer->IsIphoneFriend(true);
    fill(composer, "138", "abc", QString(300, 'a'));
    // 300 characters of text make a token of 404 and a body of over 420: three parts.
    EXPECT_TRUE(composer->findChild<QLabel*>("smsCounter")->text().endsWith("3 SMS"))
        << composer->findChild<QLabel*>("smsCounter")->text().toStdString();
}
