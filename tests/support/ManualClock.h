// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <vector>

#include "platform/Clock.h"

namespace hv::test {

// A clock that stands still until the test moves it; delayed calls run when the time
// they wait for is reached. Like the real event loop, moving it also delivers posted
// events and deferred deletions, before and after every call that falls due. Installs
// itself for its lifetime.
class ManualClock : public Clock {
public:
    explicit ManualClock(double start = 1765000000.0) : now_(start) { Clock::setInstance(this); }
    ~ManualClock() override { Clock::setInstance(nullptr); }

    double now() const override { return now_; }
    void after(double seconds, QObject* receiver, std::function<void()> fn) override;

    // Moves time forward, running every call that falls due, in time order.
    void advance(double seconds);

private:
    struct Pending {
        double due;
        QPointer<QObject> receiver;
        std::function<void()> fn;
    };
    double now_;
    std::vector<Pending> pending_;
};

}  // namespace hv::test
