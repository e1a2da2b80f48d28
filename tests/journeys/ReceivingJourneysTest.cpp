// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Secret messages that arrive on the phone's modem: noticed while Hushvault runs (also
// without a window), opened from the notice with the sender known, read and answered.
#include "journeys/Journey.h"
#include "support/FakeNotifications.h"

namespace hv {

namespace {

class ReceivingJourney : public ::testing::Test {
protected:
    void SetUp() override {
        journey.setEnvironment("DBUS_SYSTEM_BUS_ADDRESS", modem.address());
        journey.setEnvironment("DBUS_SESSION_BUS_ADDRESS", notices.address());
        HushvaultSqlite store(journey.profile().path());
        store.creatContractSqlite();
    }

    // A friend's Hushvault (a profile of its own) sends through the modem; the SMS it
    // made arrives here from the friend's number. (The journey's system bus is the modem's.)
    void friendSends(const QString& text) {
        QString output;
        EXPECT_EQ(test::run(HV_CLI,
                            {"--data-dir=" + QString::fromStdString(friendProfile.path()), "send",
                             "--sms=modem", "--friend", "--to", "+1 555 010 9999", "--password",
                             "tea", "--", text},
                            &output),
                  0)
            << output.toStdString();
        ASSERT_FALSE(modem.sent().empty());
        modem.receiveSms("+8613800138000", modem.sent().back().text);
    }
    // Waits for the notice of a new message and opens it, as the user taps it.
    void openNotice(std::size_t count) {
        ASSERT_TRUE(journey.waitUntil([&] { return notices.notifications().size() == count; }));
        const auto notice = notices.notifications().back();
        EXPECT_EQ(notice.summary, localized("secret message from").arg("Li Lei"));
        EXPECT_TRUE(notice.body.isEmpty());
        notices.invokeAction(notice.id);
        // A reader per message, each naming its sender, and slid in.
        ASSERT_TRUE(journey.waitUntil([&] {
            return journey.window()->isVisible() &&
                   journey.window()->findChildren<QLabel*>("senderLabel").size() == int(count);
        }));
        journey.wait(400);
    }

    test::FakeModemManager modem;
    test::FakeNotifications notices;
    test::TempDir friendProfile;
    test::Journey journey;
};

}  // namespace

TEST_F(ReceivingJourney, AMessageFromAFriendIsNoticedReadAndAnsweredAndASecondOpensOnTop) {
    journey.start();
    {
        HushvaultSqlite store(journey.profile().path());
        store.addContracts("Li Lei", "+86 138 0013 8000", "tea", "1");
        store.updatetel("PassWord", "2468");
    }
    const std::size_t modemsSms = modem.smsObjects().size();
    friendSends("Lunch at one?");
    modem.receiveSms("+8613800138000", "See you soon, no link here");  // a plain SMS
    openNotice(1);
    EXPECT_EQ(journey.find<QLabel>("senderLabel")->text(), localized("From").arg("Li Lei"));

    journey.tap("readerLoginButton");
    journey.type("2468");
    journey.press(Qt::Key_Return);
    ASSERT_TRUE(journey.waitUntil([&] {
        return journey.find<QTextEdit>("newText")->toPlainText().endsWith("Lunch at one?");
    }));
    journey.tap("desButton");  // Reply
    ASSERT_EQ(journey.barTitle(), localized("NMessage"));
    EXPECT_EQ(journey.find<QLineEdit>("personTextField")->text(), "Li Lei");
    EXPECT_EQ(journey.find<QLineEdit>("passTextField")->text(), "tea");
    journey.tap("backButton");
    ASSERT_NE(journey.find<QLabel>("senderLabel"), nullptr);

    friendSends("And dinner?");
    openNotice(2);
    EXPECT_EQ(notices.notifications().size(), 2u);  // none for the plain SMS
    const QString second = journey.find<QTextEdit>("newText")->toPlainText();
    journey.tap("backButton");  // back to the first message, read
    EXPECT_NE(journey.find<QTextEdit>("newText")->toPlainText(), second);
    // The modem's messages belong to the phone's SMS app: none was deleted.
    EXPECT_GE(modem.smsObjects().size(), modemsSms + 3);
    journey.quit();
}

TEST_F(ReceivingJourney, InTheBackgroundNoWindowShowsUntilANoticeIsOpened) {
    {
        HushvaultSqlite store(journey.profile().path());
        store.addContracts("Li Lei", "+86 138 0013 8000", "tea", "1");
    }
    journey.setBackground(true);
    journey.start();
    journey.wait(200);
    EXPECT_FALSE(journey.window()->isVisible());
    friendSends("Are you there?");
    openNotice(1);
    EXPECT_TRUE(journey.window()->isVisible());
    journey.quit();
}

}  // namespace hv
