// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

#include <memory>

using hv::Notification;
using hv::NotificationCenter;

TEST(NotificationCenter, DropsDestroyedObserversAndThoseRemovedDuringDelivery) {
    NotificationCenter center;
    auto gone = std::make_unique<QObject>();
    QObject stays, removed;
    int calls = 0;
    center.addObserver(gone.get(), "lockTime", [&](const Notification&) { ++calls; });
    center.addObserver(&stays, "lockTime", [&](const Notification&) {
        ++calls;
        center.removeObserver(&removed);
    });
    center.addObserver(&removed, "lockTime", [&](const Notification&) { calls += 100; });
    gone.reset();
    center.postNotification("lockTime");
    EXPECT_EQ(calls, 1);
    center.postNotification("lockTime");
    EXPECT_EQ(calls, 2);  // only `stays` is left
}
