// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeNotifications.h"

#include <QDBusArgument>

namespace hv::test {

FakeNotifications::FakeNotifications(bool started) {
    if (started) startFake("notification_daemon", "{}", kService);
}

std::vector<FakeNotifications::Notification> FakeNotifications::notifications() {
    std::vector<Notification> all;
    // The server numbers new notifications from 1; one that replaces another keeps its id.
    quint32 next = 1;
    const QDBusArgument calls =
        call(kService, kPath, kMock, "GetMethodCalls", {"Notify"}).value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        qulonglong time = 0;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> arguments;
        calls.endStructure();
        // Notify(app_name, replaces_id, icon, summary, body, actions, hints, timeout)
        const quint32 replaces = arguments.value(1).toUInt();
        all.push_back({replaces != 0 ? replaces : next++, arguments.value(3).toString(),
                       arguments.value(4).toString(), qdbus_cast<QVariantMap>(arguments.value(6))});
    }
    calls.endArray();
    return all;
}

}  // namespace hv::test
