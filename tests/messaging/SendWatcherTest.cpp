// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SendWatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "messaging/SendState.h"

using namespace hv;
using namespace std::chrono_literals;

namespace {

// Runs a watcher over the given state and returns what it reported (nothing: -1).
int watch(std::atomic<int>& state, SendWatcher::Timing timing,
          std::function<void()> meanwhile = {}) {
    SendWatcher watcher(state, timing);
    QSignalSpy spy(&watcher, &SendWatcher::finished);
    watcher.start();
    if (meanwhile) meanwhile();
    // The watcher may finish before the wait begins; the spy has counted it then.
    if (spy.isEmpty() && !spy.wait(5000)) return -1;
    return spy.takeFirst().at(0).toBool() ? 1 : 0;
}

}  // namespace

TEST(SendWatcher, AReportBeforeTheWatchStartsEndsItAtOnce) {
    std::atomic<int> state{kSendStateSent};
    EXPECT_EQ(watch(state, {1ms, 10}), 0);
    EXPECT_EQ(state.load(), kSendStateWaiting);

    state = kSendStateError;
    EXPECT_EQ(watch(state, {1ms, 10}), 1);
    EXPECT_EQ(state.load(), kSendStateWaiting);
}

TEST(SendWatcher, PicksUpAReportThatArrivesWhileItWaits) {
    std::atomic<int> state{kSendStateWaiting};
    EXPECT_EQ(watch(state, {2ms, 5000}, [&] { state = kSendStateError; }), 1);
    EXPECT_EQ(state.load(), kSendStateWaiting);
}

TEST(SendWatcher, GivesUpSilentlyAfterItsLooks) {
    std::atomic<int> state{kSendStateWaiting};
    EXPECT_EQ(watch(state, {1ms, 20}), 0);
}

TEST(SendWatcher, StoppingEndsTheWaitWithoutAReport) {
    std::atomic<int> state{kSendStateWaiting};
    auto watcher = std::make_unique<SendWatcher>(state, SendWatcher::Timing{100ms, 10000});
    QSignalSpy spy(watcher.get(), &SendWatcher::finished);
    watcher->start();
    EXPECT_TRUE(watcher->isRunning());
    watcher.reset();  // joins at once instead of waiting 1,000 s
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 0);
}

TEST(SendState, TheHandlerLooksOnlyAtTheName) {
    sendState() = kSendStateWaiting;
    callback("kCTCallStatusChange");
    EXPECT_EQ(sendState().load(), kSendStateWaiting);
    callback("kCTMessageSendErrorNotification");
    EXPECT_EQ(sendState().load(), kSendStateError);
    callback("kCTMessageSentNotification");
    EXPECT_EQ(sendState().load(), kSendStateSent);
    sendState() = kSendStateWaiting;
}
