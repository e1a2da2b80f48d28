// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

namespace hv {

struct Notification {
    QString name;
    QVariant object;  // invalid when the poster gave none
};

// Named notifications, delivered synchronously on the UI thread in the order the
// observers registered. A registration is a connection to `posted`: it ends when the
// observer is destroyed, when removeObserver is called for it, or when its connection is
// disconnected; one ended during a delivery is not called.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const Notification&)>;

    // The process's centre, made at first use and never destroyed before exit.
    static NotificationCenter& defaultCenter();

    // Calls the handler with every notification of that name.
    QMetaObject::Connection addObserver(QObject* observer, const QString& name, Handler handler);
    // Ends every registration of the observer.
    void removeObserver(QObject* observer);
    void postNotification(const QString& name, const QVariant& object = {});

signals:
    void posted(const hv::Notification& notification);
};

}  // namespace hv
