// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/NotificationCenter.h"

namespace hv {

NotificationCenter& NotificationCenter::defaultCenter() {
    static auto* center = new NotificationCenter;
    return *center;
}

QMetaObject::Connection NotificationCenter::addObserver(QObject* observer, const QString& name,
                                                        Handler handler) {
    return connect(
        this, &NotificationCenter::posted, observer,
        [name, handler = std::move(handler)](const Notification& notification) {
            if (notification.name == name) handler(notification);
        },
        Qt::DirectConnection);
}

void NotificationCenter::removeObserver(QObject* observer) {
    disconnect(this, &NotificationCenter::posted, observer, nullptr);
}

void NotificationCenter::postNotification(const QString& name, const QVariant& object) {
    emit posted(Notification{name, object});
}

}  // namespace hv
