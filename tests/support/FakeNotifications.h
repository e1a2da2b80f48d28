// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariantMap>
#include <vector>

#include "support/PrivateBus.h"

namespace hv::test {

// A desktop notification server (python-dbusmock's notification_daemon) on a private bus
// of its own: what it was asked to show, and a user who opens or closes a notification.
class FakeNotifications : public PrivateBus {
public:
    struct Notification {
        quint32 id = 0;
        QString summary, body;
        QVariantMap hints;
    };

    // started: false for the bus alone, without a notification server.
    explicit FakeNotifications(bool started = true);

    // Every Notify call, in order, with the id the server answered.
    std::vector<Notification> notifications();
    // The user opens a notification (its default action) or closes it.
    void invokeAction(quint32 id, const QString& key = "default") {
        call(kService, kPath, kMock, "EmitSignal",
             {kService, "ActionInvoked", "us", QVariantList{id, key}});
    }
    void close(quint32 id) { call(kService, kPath, kService, "CloseNotification", {int(id)}); }

private:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";
    static constexpr const char* kMock = "org.freedesktop.DBus.Mock";
};

}  // namespace hv::test
