// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QSet>

#include "platform/Notifier.h"

namespace hv {

// Notifications through the desktop's notification server (org.freedesktop.Notifications)
// on the session bus. Only the notifications this object showed are reported as
// activated; one that was closed is forgotten.
class DesktopNotifier : public Notifier {
    Q_OBJECT
public:
    static constexpr int kTimeout = 2000;  // ms for the server to take a notification

    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // Waits for the server's answer, at most kTimeout: shown only on an incoming message.
    quint32 notify(const QString& title) override;

private slots:
    void actionInvoked(quint32 id, const QString& key);
    void notificationClosed(quint32 id, quint32 reason);

private:
    QDBusConnection bus_;
    QSet<quint32> shown_;
};

}  // namespace hv
