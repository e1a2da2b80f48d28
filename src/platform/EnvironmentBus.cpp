// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EnvironmentBus.h"

#include <QString>

namespace hv {

namespace {

QDBusConnection named(QDBusConnection::BusType type, const char* variable) {
    const QString address = qEnvironmentVariable(variable);
    if (address.isEmpty())
        return type == QDBusConnection::SystemBus ? QDBusConnection::systemBus()
                                                  : QDBusConnection::sessionBus();
    // One connection per address, made again once it was lost.
    const QString name = QStringLiteral("hushvault %1").arg(address);
    QDBusConnection existing(name);
    if (existing.isConnected()) return existing;
    QDBusConnection::disconnectFromBus(name);
    return QDBusConnection::connectToBus(address, name);
}

}  // namespace

QDBusConnection EnvironmentBus::system() {
    return named(QDBusConnection::SystemBus, "DBUS_SYSTEM_BUS_ADDRESS");
}

QDBusConnection EnvironmentBus::session() {
    return named(QDBusConnection::SessionBus, "DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace hv
