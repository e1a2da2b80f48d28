// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeModemManager.h"

#include <QDBusArgument>
#include <QDBusObjectPath>

namespace hv::test {

namespace {

constexpr const char* kService = "org.freedesktop.ModemManager1";
constexpr const char* kPath = "/org/freedesktop/ModemManager1";
constexpr const char* kControl = "org.hushvault.FakeModemManager";

QVariant objectPath(const QString& path) {
    return QVariant::fromValue(QDBusObjectPath(path.isEmpty() ? "/" : path));
}

}  // namespace

FakeModemManager::FakeModemManager(int modems, const QString& outcome)
    : FakeModemManager(Options{modems, outcome}) {}

FakeModemManager::FakeModemManager(const Options& options) {
    if (options.modems < 0) return;
    bus_.startFake(HV_FAKE_MODEMMANAGER,
                   QString(R"({"modems": %1, "outcome": "%2", "state": %3, "delay": %4,)"
                           R"( "delayed_calls": %5})")
                       .arg(options.modems)
                       .arg(options.outcome)
                       .arg(options.state)
                       .arg(options.delay)
                       .arg(options.delayedCalls),
                   kService);
}

QVariant FakeModemManager::control(const QString& method, const QList<QVariant>& arguments) {
    return bus_.call(kService, kPath, kControl, method, arguments);
}

QString FakeModemManager::addModem(int state) {
    return control("AddModemInState", {state}).value<QDBusObjectPath>().path();
}

void FakeModemManager::removeModem(const QString& path) {
    control("RemoveModem", {QVariant::fromValue(QDBusObjectPath(path))});
}

void FakeModemManager::setModemState(const QString& path, int state) {
    control("SetModemState", {QVariant::fromValue(QDBusObjectPath(path)), state});
}

void FakeModemManager::setOutcome(const QString& outcome) {
    control("SetOutcome", {outcome});
}

std::vector<FakeModemManager::Sent> FakeModemManager::sent() {
    std::vector<Sent> all;
    const QDBusArgument list = control("Sent").value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Sent one;
        list.beginStructure();
        list >> one.modem >> one.number >> one.text;
        list.endStructure();
        all.push_back(one);
    }
    list.endArray();
    return all;
}

QStringList FakeModemManager::smsObjects() {
    QStringList paths;
    const QDBusArgument list = control("SmsObjects").value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QDBusObjectPath path;
        list >> path;
        paths.append(path.path());
    }
    list.endArray();
    return paths;
}

QString FakeModemManager::receiveSms(const QString& number, const QString& text, int state,
                                     const QString& modem) {
    return addSms(number, text, state, true, modem);
}

QString FakeModemManager::addSms(const QString& number, const QString& text, int state,
                                 bool received, const QString& modem) {
    return control("AddSms", {objectPath(modem), number, text, uint(state), received})
        .value<QDBusObjectPath>()
        .path();
}

void FakeModemManager::setSmsState(const QString& sms, int state, const QString& text) {
    control("SetSmsState", {objectPath(sms), uint(state), text});
}

QVariantMap FakeModemManager::smsProperties(const QString& sms) {
    return qdbus_cast<QVariantMap>(bus_.call(kService, sms, "org.freedesktop.DBus.Properties",
                                             "GetAll", {"org.freedesktop.ModemManager1.Sms"}));
}

}  // namespace hv::test
