// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/CreatNewMessageViewContrller.h"

#include <QLoggingCategory>

#include "crypto/SecretToken.h"
#include "messaging/SendState.h"
#include "platform/TelephonyCenter.h"
#include "sms/WebLinkHost.h"
#include "support/FakeSmsService.h"
#include "support/ui/ScreenTest.h"
#include "ui/ActivityIndicator.h"
#include "ui/GrowingTextView.h"

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

    // What a person sees and types into on the composer.
    static QLineEdit* field(QWidget* composer, const char* name) {
        return composer->findChild<QLineEdit*>(name);
    }
    static GrowingTextView* message(QWidget* composer) {
        return composer->findChild<GrowingTextView*>("textView");
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
