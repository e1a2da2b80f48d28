// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/CreatNewMessageViewContrller.h"

#include <QLoggingCategory>

#include "messaging/SendState.h"
#include "platform/TelephonyCenter.h"
#include "sms/WebLinkHost.h"
#include "support/FakeSmsService.h"
#include "support/ui/ScreenTest.h"
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

    // No watcher of this test may see the reports of the next one: every watcher finishes
    // and its report reaches the UI thread.
    void TearDown() override {
        for (int i = 0; i < 1000 && SendWatcher::runningCount() > 0; ++i) QTest::qWait(5);
        QTest::qWait(0);
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
        composer->findChild<QLineEdit*>("personTextField")->setText(to);
        composer->findChild<QLineEdit*>("passTextField")->setText(password);
        composer->findChild<GrowingTextView*>("textView")->setText(text);
    }

    test::FakeSmsService sms;
};

}  // namespace

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

TEST_F(ComposerTest, ARefusedMessageStaysInTheFieldIsSaidToHaveFailedAndNoSecretIsLogged) {
    static QStringList lines;
    QLoggingCategory::setFilterRules("hushvault.*=true");
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { lines.append(line); });
    sms.setMode(Mode::Refuse);
    auto* composer = open();
    fill(composer, "+86 13912345678", "teapot", "meet at the north gate");
    composer->EncryptAndSendToCommon();
    clock.advance(10);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules({});

    EXPECT_EQ(composer->findChild<GrowingTextView*>("textView")->text(), "meet at the north gate");
    EXPECT_EQ(alertTitle(), localized("failed send"));
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        for (const char* secret : {"13912345678", "teapot", "north gate", "hiddenmsg", "/s/?m="})
            EXPECT_FALSE(line.contains(secret)) << line.toStdString();
}
