// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSet>
#include <QString>

class QDBusMessage;

namespace hv {

// Watches the SMS that the modems receive, through ModemManager on the system bus: every
// modem's Messaging.Added with "received" true, on modems present at the start or added
// later. The new SMS object's Number and Text are read once its State is "received"; one
// still arriving in parts is followed until it is. The messages are only read: they
// belong to the phone's SMS application, which shows, keeps or deletes them. Nothing
// blocks; UI thread only.
class IncomingMessageWatcher : public QObject {
    Q_OBJECT
public:
    explicit IncomingMessageWatcher(QDBusConnection bus = QDBusConnection::systemBus(),
                                    QObject* parent = nullptr);

signals:
    // A complete received SMS, once per SMS object.
    void messageReceived(const QString& number, const QString& text);

private slots:
    void added(const QDBusMessage& message);
    void deleted(const QDBusMessage& message);
    void smsChanged(const QDBusMessage& message);

private:
    void read(const QString& sms);
    void follow(const QString& sms);
    void forget(const QString& sms);

    QDBusConnection bus_;
    QSet<QString> arriving_;  // SMS still arriving in parts, followed until complete
    QSet<QString> reported_;  // SMS already emitted, during this run of ModemManager
};

}  // namespace hv
