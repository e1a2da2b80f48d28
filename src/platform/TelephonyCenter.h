// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace hv {

class SmsService;

// Where SMS services report what became of a message ("kCTMessageSentNotification",
// "kCTMessageSendErrorNotification"). A report may be posted from any thread; it reaches
// the observers registered when it is delivered, on the UI thread, in a later turn of its
// event loop. Observers are dropped when destroyed or removed.
class TelephonyCenter : public QObject {
    Q_OBJECT
public:
    // The process's centre (made at first use, never destroyed before exit).
    static TelephonyCenter& defaultCenter();

    // Calls the callback with the name of every report delivered from now on.
    QMetaObject::Connection addObserver(QObject* observer,
                                        std::function<void(const QString& name)> callback);
    void removeObserver(QObject* observer);
    // Observers registered now (for tests).
    int observerCount() const;

    // Queues a report for delivery on the UI thread; safe from any thread.
    void post(const QString& name);
    // Routes the service's reports here.
    void connectService(SmsService& service);

signals:
    void reported(const QString& name);
};

}  // namespace hv
