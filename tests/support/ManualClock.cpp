// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ManualClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace hv::test {

void ManualClock::after(double seconds, QObject* receiver, std::function<void()> fn) {
    pending_.push_back({now_ + std::max(0.0, seconds), receiver, std::move(fn)});
}

void ManualClock::advance(double seconds) {
    // What the real event loop does between two timers: queued calls and posted events are
    // delivered, and objects whose deletion was deferred are deleted.
    const auto deliverPostedEvents = [] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const double target = now_ + seconds;
    deliverPostedEvents();
    while (true) {
        auto next =
            std::min_element(pending_.begin(), pending_.end(),
                             [](const Pending& a, const Pending& b) { return a.due < b.due; });
        if (next == pending_.end() || next->due > target) break;
        Pending call = std::move(*next);
        pending_.erase(next);
        now_ = call.due;
        if (call.receiver) call.fn();
        deliverPostedEvents();
    }
    now_ = target;
}

}  // namespace hv::test
