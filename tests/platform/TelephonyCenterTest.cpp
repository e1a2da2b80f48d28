// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TelephonyCenter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <thread>

using hv::TelephonyCenter;

TEST(TelephonyCenter, AReportFromAnotherThreadReachesTheObserversOfItsDeliveryOnTheUiThread) {
    TelephonyCenter center;
    QObject early, removed, late;
    QStringList heard;
    center.addObserver(&early, [&](const QString& name) {
        heard << "early:" + name;
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    });
    center.addObserver(&removed, [&](const QString& name) { heard << "removed:" + name; });

    std::thread([&] { center.post("kCTMessageSendErrorNotification"); }).join();
    EXPECT_TRUE(heard.isEmpty());  // never during the post
    center.removeObserver(&removed);
    center.addObserver(&late, [&](const QString& name) { heard << "late:" + name; });
    QCoreApplication::processEvents();

    EXPECT_EQ(heard, QStringList({"early:kCTMessageSendErrorNotification",
                                  "late:kCTMessageSendErrorNotification"}));
    EXPECT_EQ(center.observerCount(), 2);
}
