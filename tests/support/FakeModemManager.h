// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

    QString addModem(int state = 8) { return control("AddModemInState", {state}).toString(); }
    void removeModem(const QString& path) { control("RemoveModem", {path}); }
    void setModemState(const QString& path, int state) { control("SetModemState", {path, state}); }
    void setOutcome(const QString& outcome) { control("SetOutcome", {outcome}); }
    std::vector<Sent> sent();
    QStringList smsObjects() { return control("SmsObjects").toStringList(); }

    // An SMS arrives on the modem (by default the first): its object, with the MMSmsState
    // (3: received, 2: still arriving in parts), and Messaging.Added; its path.
    QString receiveSms(const QString& number, const QString& text, int state = 3,
                       const QString& modem = {}) {
        return addSms(number, text, state, true, modem);
    }
    // An SMS that the network did not just deliver (Added with "received" false): one this
    // phone sends, or one kept on the SIM that ModemManager loads at its start; its path.
    QString addSms(const QString& number, const QString& text, int state, bool received,
                   const QString& modem = {}) {
        return control("AddSms", {modem, number, text, uint(state), received}).toString();
    }
    // A part of an arriving SMS: its State and whole Text change together.
    void setSmsState(const QString& sms, int state, const QString& text) {
        control("SetSmsState", {sms, uint(state), text});
    }

private:
    QVariant control(const QString& method, const QList<QVariant>& arguments = {}) {
        return call(kService, "/org/freedesktop/ModemManager1", "org.hushvault.FakeModemManager",
                    method, arguments);
    }
    static constexpr const char* kService = "org.freedesktop.ModemManager1";
};

}  // namespace hv::test
