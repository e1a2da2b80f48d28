// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeModemManager.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace hv::test {

namespace {

constexpr const char* kService = "org.freedesktop.ModemManager1";
constexpr const char* kPath = "/org/freedesktop/ModemManager1";
constexpr const char* kControl = "org.hushvault.FakeModemManager";

}  // namespace

FakeModemManager::FakeModemManager(const Options& options) {
    if (options.modems < 0) return;
    const QJsonObject parameters{{"modems", options.modems},
                                 {"outcome", options.outcome},
                                 {"state", options.state},
                                 {"delay", options.delay},
                                 {"delayed_calls", options.delayedCalls}};
    startFake(HV_FAKE_MODEMMANAGER, QString::fromUtf8(QJsonDocument(parameters).toJson()),
              kService);
}

QVariant FakeModemManager::control(const QString& method, const QList<QVariant>& arguments) {
    return call(kService, kPath, kControl, method, arguments);
}

QString FakeModemManager::addModem(int state) {
    return control("AddModemInState", {state}).toString();
}

void FakeModemManager::removeModem(const QString& path) {
    control("RemoveModem", {path});
}

void FakeModemManager::setModemState(const QString& path, int state) {
    control("SetModemState", {path, state});
}

void FakeModemManager::setOutcome(const QString& outcome) {
    control("SetOutcome", {outcome});
}

std::vector<FakeModemManager::Sent> FakeModemManager::sent() {
    std::vector<Sent> all;
    const QStringList fields = control("Sent").toStringList();  // modem, number, text, ...
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3)
        all.push_back({fields[i], fields[i + 1], fields[i + 2]});
    return all;
}

QStringList FakeModemManager::smsObjects() {
    return control("SmsObjects").toStringList();
}

QString FakeModemManager::addSms(const QString& number, const QString& text, int state,
                                 bool received, const QString& modem) {
    return control("AddSms", {modem, number, text, uint(state), received}).toString();
}

void FakeModemManager::setSmsState(const QString& sms, int state, const QString& text) {
    control("SetSmsState", {sms, uint(state), text});
}

}  // namespace hv::test
