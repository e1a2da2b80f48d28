// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SendWatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "messaging/SendState.h"

using namespace hv;
using namespace std::chrono_literals;

TEST(SendWatcher, ReportsTheStateItSeesThenWaitsAgainOrGivesUpSilently) {
    struct Case {
        const char* what;
        int before;     // the state when the watch starts
        int meanwhile;  // the state set while it waits
        SendWatcher::Timing timing;
        int reported;  // 1: an error, 0: no error, -1: nothing within 5 s
    };
    const Case cases[] = {
        {"sent before the start", kSendStateSent, kSendStateSent, {1ms, 10}, 0},
        {"error before the start", kSendStateError, kSendStateError, {1ms, 10}, 1},
        {"error while waiting", kSendStateWaiting, kSendStateError, {2ms, 5000}, 1},
        {"nothing in its looks", kSendStateWaiting, kSendStateWaiting, {1ms, 20}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::atomic<int> state{c.before};
        SendWatcher watcher(state, c.timing);
        QSignalSpy spy(&watcher, &SendWatcher::finished);
        watcher.start();
        if (c.meanwhile != c.before) state = c.meanwhile;
        // The watcher may finish before the wait begins; the spy has counted it then.
        const int reported = spy.isEmpty() && !spy.wait(5000) ? -1
                             : spy.takeFirst().at(0).toBool() ? 1
                                                              : 0;
        EXPECT_EQ(reported, c.reported);
        EXPECT_EQ(state.load(), kSendStateWaiting);
    }
}

TEST(SendWatcher, StoppingEndsTheWaitWithoutAReportAndTwiceOrUnstartedIsHarmless) {
    std::atomic<int> state{kSendStateWaiting};
    SendWatcher(state).stop();  // never started; its destructor stops it again
    const int runningBefore = SendWatcher::runningCount();
    auto watcher = std::make_unique<SendWatcher>(state, SendWatcher::Timing{100ms, 10000});
    QSignalSpy spy(watcher.get(), &SendWatcher::finished);
    watcher->start();
    EXPECT_TRUE(watcher->isRunning());
    EXPECT_EQ(SendWatcher::runningCount(), runningBefore + 1);
    watcher->stop();  // at once instead of after 1,000 s
    watcher.reset();  // and once more
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(SendWatcher::runningCount(), runningBefore);
}
