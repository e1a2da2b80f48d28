// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>

#include "sms/SmsService.h"

class QDBusMessage;

namespace hv {

// Sends through the phone's modem, driven by ModemManager on the system bus (the way the
// phone's own SMS applications do): Messaging.Create with the number and the text, then
// Sms.Send, whose reply decides between "sent" and "send error" (a D-Bus error, a timeout
// or a refused authorisation alike); the SMS object is deleted from the modem afterwards.
//
// Nothing waits for ModemManager: the modems are asked for in the background, a
// ModemManager that does not answer in time is asked again, and modems that come and go
// or change their State are followed. A modem can send once it is registered on a network
// (State "registered" or beyond); a disabled, locked, failed or searching one cannot, and
// does not hide one that can. Of several that can send, the first in path order (Modem/0
// before Modem/1 before Modem/10) is used. UI thread only.
class ModemManagerSmsService : public QObject, public SmsService {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.ModemManager1";
    static constexpr int kDefaultTimeout = 120000;  // ms; a network may take its time
    static constexpr int kScanTimeout = 3000;       // ms for the list of modems

    // timeout: how long a call to send may take before it counts as failed; scanTimeout:
    // how long the list of modems may take before it is asked for again.
    explicit ModemManagerSmsService(QDBusConnection bus = QDBusConnection::systemBus(),
                                    int timeout = kDefaultTimeout, int scanTimeout = kScanTimeout,
                                    QObject* parent = nullptr);

    // True when a modem that can send is known (the message is handed to it).
    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;
    SmsRoute route() const override { return SmsRoute::Modem; }
    std::string routeReason() const override;
    bool isLookingUp() const override { return lookingUp_; }

    // Whether ModemManager answered, the modem a message goes to now (empty for none), and
    // why there is none.
    bool isManagerPresent() const { return managerPresent_; }
    QString modemPath() const;
    QString absenceReason() const;

signals:
    void modemsChanged();

private slots:
    void interfacesAdded(const QDBusMessage& message);
    void interfacesRemoved(const QDBusMessage& message);
    void propertiesChanged(const QDBusMessage& message);

private:
    // ModemManager's MMModemState: a modem sends once it is registered on a network.
    static constexpr int kStateRegistered = 8;

    // Path order with numbers compared as numbers: Modem/2 before Modem/10.
    struct PathOrder {
        bool operator()(const QString& a, const QString& b) const;
    };

    void scan();
    void takeObjects(const QDBusMessage& reply);
    void send(const QString& modem, const QString& sms);
    void remove(const QString& modem, const QString& sms);

    QDBusConnection bus_;
    int timeout_;
    int scanTimeout_;
    int retryDelay_;
    QTimer retry_;
    std::map<QString, int, PathOrder> modems_;  // with messaging: their State
    bool managerPresent_ = false;
    bool lookingUp_ = false;
    QString absence_;  // why ModemManager gave no modems (empty once it did)
};

}  // namespace hv
