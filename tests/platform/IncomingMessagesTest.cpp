// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Incoming SMS from a fake ModemManager and desktop notifications on a fake notification
// server, each on a private bus of the test's own. Where nothing may happen, a later event
// that must happen is awaited instead: signals from one sender arrive in order.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "Version.h"
#include "platform/DesktopNotifier.h"
#include "platform/IncomingMessageWatcher.h"
#include "support/FakeModemManager.h"
#include "support/FakeNotifications.h"

using namespace hv;

namespace {

constexpr int kReceiving = 2;
constexpr int kReceived = 3;
constexpr int kSent = 5;
const QString kNumber = "+8613800138000";

using Message = std::pair<QString, QString>;

// Waits for the next messageReceived; its number and text, or nothing.
Message nextMessage(QSignalSpy& spy) {
    const qsizetype before = spy.count();
    if (!spy.wait(10000) && spy.count() == before) return {};
    return {spy.last().at(0).toString(), spy.last().at(1).toString()};
}

}  // namespace

TEST(IncomingMessages, AReceivedSmsIsReportedOnceWholeFromEveryModemAndLeftThere) {
    test::FakeModemManager fake;
    IncomingMessageWatcher watcher(fake.connection());
    QSignalSpy received(&watcher, &IncomingMessageWatcher::messageReceived);

    // Kept on the SIM from before, or sent from this phone: not news.
    fake.addSms("10086", "an old message", kReceived, false);
    fake.addSms("10086", "sent from this phone", kSent, false);
    const QString whole = "Hushvault message: hiddenmsg://AbC+/9=\n第二行";
    const QString arriving = fake.receiveSms(kNumber, whole.left(20), kReceiving);
    fake.receiveSms("10010", "plain text");
    EXPECT_EQ(nextMessage(received), Message("10010", "plain text"))
        << "neither those nor the one still arriving is reported";
    ASSERT_EQ(received.count(), 1);

    // The last part arrives: the whole text, once, even if its State is said again.
    fake.setSmsState(arriving, kReceived, whole);
    EXPECT_EQ(nextMessage(received), Message(kNumber, whole));
    fake.setSmsState(arriving, kReceived, whole);
    fake.receiveSms("10010", "later");
    EXPECT_EQ(nextMessage(received), Message("10010", "later"));
    EXPECT_EQ(received.count(), 3);

    // Modems that come later are watched too.
    fake.removeModem("/org/freedesktop/ModemManager1/Modem/0");
    fake.receiveSms(kNumber, "on a later modem", kReceived, fake.addModem());
    EXPECT_EQ(nextMessage(received), Message(kNumber, "on a later modem"));
}

TEST(DesktopNotifier, NamesTheAppAndAByteUrgencyAndReportsTheOpeningOfItsOwnNotifications) {
    test::FakeNotifications server;
    DesktopNotifier notifier(server.connection());
    QSignalSpy activated(&notifier, &Notifier::activated);

    const quint32 id = notifier.notify("A secret message from Ann");
    const quint32 second = notifier.notify("Another");
    // (Its title and the opening of a notice are the receiving journey's.)
    const auto shown = server.notifications();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].hints.value("desktop-entry").toString(), kHushvaultAppId);
    EXPECT_EQ(shown[0].hints.value("urgency").metaType().id(), QMetaType::UChar)
        << "the urgency is a byte, or servers ignore it";

    // Another application's notification, and a closed one, which is forgotten.
    server.close(id);
    server.invokeAction(second + 100);
    server.invokeAction(id);
    server.invokeAction(second);
    ASSERT_TRUE(activated.wait(10000));
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.last().at(0).toUInt(), second);
}

TEST(DesktopNotifier, WithoutAServerNothingIsShown) {
    test::FakeNotifications bare(false);
    EXPECT_EQ(DesktopNotifier(bare.connection()).notify("A secret message"), 0u);
    EXPECT_EQ(DesktopNotifier(QDBusConnection("no such bus")).notify("A secret message"), 0u);
}
