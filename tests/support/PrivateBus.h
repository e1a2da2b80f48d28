// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryFile>
#include <QVariant>
#include <deque>

namespace hv::test {

// A D-Bus daemon of the test's own, which starts no services and goes if the test dies,
// and on it the fakes of system services that python-dbusmock makes from templates in
// tests/support. Everything stops with the object; nothing is left running.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // The bus's address, and a connection of the test's own to it.
    QString address() const { return address_; }
    QDBusConnection connection() const {
        return QDBusConnection::connectToBus(address_, connectionName_);
    }

    // Starts python-dbusmock with the template and its parameters (JSON), taking this bus
    // for both the system and the session bus, and waits until it owns the service.
    void startFake(const QString& templatePath, const QString& parameters, const QString& service);

    // Calls a method of a fake (its control interface), failing the test on an error.
    QVariant call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QList<QVariant>& arguments = {}) const;

private:
    QTemporaryFile config_;
    QProcess daemon_;
    std::deque<QProcess> fakes_;  // never moved
    QString address_;
    QString connectionName_;
};

}  // namespace hv::test
