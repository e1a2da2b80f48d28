// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <vector>

#include "support/PrivateBus.h"

namespace hv::test {

// A fake ModemManager (tests/support/fake_modemmanager.py) on a private bus of its own:
// modems with the Messaging interface and a State, what they were asked to send, and SMS
// that they receive.
class FakeModemManager : public PrivateBus {
public:
    struct Sent {
        QString modem, number, text;
    };
    struct Options {
        int modems = 1;          // < 0: the bus alone, without ModemManager
        QString outcome = "ok";  // of every send: "ok", "fail" or "silent"
        int state = 8;           // of the first modems (MMModemState; 8: registered)
        double delay = 0;        // seconds before the list of modems is answered
        int delayedCalls = -1;   // how many lists are that slow (-1: all)
    };

    explicit FakeModemManager(int modems = 1) : FakeModemManager(Options{modems}) {}
    explicit FakeModemManager(const Options& options);

    QString addModem(int state = 8);
    void removeModem(const QString& path);
    void setModemState(const QString& path, int state);
    void setOutcome(const QString& outcome);
    std::vector<Sent> sent();
    QStringList smsObjects();

    // An SMS arrives on the modem (by default the first): its object, with the MMSmsState
    // (3: received, 2: still arriving in parts), and Messaging.Added; its path.
    QString receiveSms(const QString& number, const QString& text, int state = 3,
                       const QString& modem = {}) {
        return addSms(number, text, state, true, modem);
    }
    // An SMS that the network did not just deliver (Added with "received" false): one this
    // phone sends, or one kept on the SIM that ModemManager loads at its start; its path.
    QString addSms(const QString& number, const QString& text, int state, bool received,
                   const QString& modem = {});
    // A part of an arriving SMS: its State and whole Text change together.
    void setSmsState(const QString& sms, int state, const QString& text);

private:
    QVariant control(const QString& method, const QList<QVariant>& arguments = {});
};

}  // namespace hv::test
