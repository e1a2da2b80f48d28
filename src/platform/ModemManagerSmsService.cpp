// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ModemManagerSmsService.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QMap>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr const char* kManagerPath = "/org/freedesktop/ModemManager1";
constexpr const char* kObjectManager = "org.freedesktop.DBus.ObjectManager";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kModem = "org.freedesktop.ModemManager1.Modem";
constexpr const char* kMessaging = "org.freedesktop.ModemManager1.Modem.Messaging";
constexpr const char* kSms = "org.freedesktop.ModemManager1.Sms";
constexpr int kLongestRetryDelay = 60000;  // ms

using Interfaces = QMap<QString, QVariantMap>;

// An a{sa{sv}}: each interface with its properties.
Interfaces interfacesOf(const QDBusArgument& argument) {
    Interfaces interfaces;
    argument.beginMap();
    while (!argument.atEnd()) {
        QString name;
        QVariantMap properties;
        argument.beginMapEntry();
        argument >> name >> properties;
        argument.endMapEntry();
        interfaces.insert(name, properties);
    }
    argument.endMap();
    return interfaces;
}

// A modem's State from its Modem interface; one that says none is taken as able to send,
// as every modem was before ModemManager had states.
int stateOf(const Interfaces& interfaces) {
    const QVariant state = interfaces.value(kModem).value("State");
    return state.isValid() ? state.toInt() : 8;
}

QString stateName(int state) {
    switch (state) {
        case -1:
            return "failed";
        case 1:
            return "initializing";
        case 2:
            return "locked";
        case 3:
            return "disabled";
        case 4:
            return "disabling";
        case 5:
            return "enabling";
        case 6:
            return "enabled but not registered";
        case 7:
            return "searching for a network";
        default:
            return "in an unknown state";
    }
}

bool isTimeout(const QDBusMessage& reply) {
    const QDBusError::ErrorType type = QDBusError(reply).type();
    return type == QDBusError::NoReply || type == QDBusError::Timeout ||
           type == QDBusError::TimedOut;
}

}  // namespace

bool ModemManagerSmsService::PathOrder::operator()(const QString& a, const QString& b) const {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

ModemManagerSmsService::ModemManagerSmsService(QDBusConnection bus, int timeout, int scanTimeout,
                                               QObject* parent)
    : QObject(parent),
      bus_(std::move(bus)),
      timeout_(timeout),
      scanTimeout_(scanTimeout),
      retryDelay_(scanTimeout) {
    if (!bus_.isConnected()) {
        absence_ = "no system bus";
        return;
    }
    bus_.connect(kService, kManagerPath, kObjectManager, "InterfacesAdded", this,
                 SLOT(interfacesAdded(QDBusMessage)));
    bus_.connect(kService, kManagerPath, kObjectManager, "InterfacesRemoved", this,
                 SLOT(interfacesRemoved(QDBusMessage)));
    // Any object's: the modems' States come and go with them.
    bus_.connect(kService, QString(), kProperties, "PropertiesChanged", this,
                 SLOT(propertiesChanged(QDBusMessage)));
    // ModemManager started or stopped while the application runs: its modems are read
    // again, or forgotten.
    auto* watcher =
        new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (!newOwner.isEmpty()) {
                    scan();
                    return;
                }
                retry_.stop();
                modems_.clear();
                managerPresent_ = false;
                absence_ = "ModemManager stopped";
                emit modemsChanged();
            });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &ModemManagerSmsService::scan);
    lookingUp_ = true;
    scan();
}

void ModemManagerSmsService::scan() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kManagerPath, kObjectManager, "GetManagedObjects");
    // Asking must not start a ModemManager the user stopped.
    call.setAutoStartService(false);
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call, scanTimeout_), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
        pending->deleteLater();
        takeObjects(pending->reply());
    });
}

void ModemManagerSmsService::takeObjects(const QDBusMessage& reply) {
    lookingUp_ = false;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != "a{oa{sa{sv}}}") {
        if (isTimeout(reply)) {
            // Busy (at boot, say): asked again, less often the longer it stays silent. What
            // was known stays known meanwhile.
            absence_ = "ModemManager has not answered yet";
            retry_.start(retryDelay_);
            retryDelay_ = qMin(retryDelay_ * 2, kLongestRetryDelay);
        } else {
            modems_.clear();
            managerPresent_ = false;
            absence_ = "ModemManager does not answer (" + reply.errorName() + ")";
        }
        emit modemsChanged();
        return;
    }
    retryDelay_ = scanTimeout_;
    managerPresent_ = true;
    absence_.clear();
    modems_.clear();
    const QDBusArgument objects = reply.arguments().value(0).value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        objects.beginMapEntry();
        objects >> path;
        const Interfaces interfaces = interfacesOf(objects);
        if (interfaces.contains(kMessaging)) modems_[path.path()] = stateOf(interfaces);
        objects.endMapEntry();
    }
    objects.endMap();
    qCInfo(lcPlatform) << "ModemManager:" << modems_.size() << "modem(s) with messaging";
    emit modemsChanged();
}

void ModemManagerSmsService::interfacesAdded(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2) return;
    const Interfaces interfaces = interfacesOf(arguments[1].value<QDBusArgument>());
    if (!interfaces.contains(kMessaging)) return;
    modems_[arguments[0].value<QDBusObjectPath>().path()] = stateOf(interfaces);
    managerPresent_ = true;
    absence_.clear();
    emit modemsChanged();
}

void ModemManagerSmsService::interfacesRemoved(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || !arguments[1].toStringList().contains(kMessaging)) return;
    if (modems_.erase(arguments[0].value<QDBusObjectPath>().path())) emit modemsChanged();
}

void ModemManagerSmsService::propertiesChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    const auto modem = modems_.find(message.path());
    if (modem == modems_.end() || arguments.size() < 2 || arguments[0].toString() != kModem) return;
    const QVariantMap changed = qdbus_cast<QVariantMap>(arguments[1]);
    if (!changed.contains("State")) return;
    modem->second = changed.value("State").toInt();
    qCInfo(lcPlatform) << "a modem's state is now" << modem->second;
    emit modemsChanged();
}

QString ModemManagerSmsService::modemPath() const {
    for (const auto& [path, state] : modems_)
        if (state >= kStateRegistered) return path;
    return {};
}

QString ModemManagerSmsService::absenceReason() const {
    if (!modemPath().isEmpty()) return {};
    if (!absence_.isEmpty()) return absence_;
    if (modems_.empty()) return "no modem with messaging";
    QStringList states;
    for (const auto& [path, state] : modems_)
        states.append(path.section('/', -1) + " is " + stateName(state));
    return "no modem is registered on a network (" + states.join(", ") + ")";
}

std::string ModemManagerSmsService::routeReason() const {
    const QString modem = modemPath();
    return (modem.isEmpty() ? absenceReason() : "ModemManager's modem " + modem).toStdString();
}

bool ModemManagerSmsService::sendSMSWithText(const std::string& text,
                                             const std::string& serviceCenter,
                                             const std::string& toAddress) {
    const QString modem = modemPath();
    if (modem.isEmpty()) return false;
    QVariantMap properties{{"number", QString::fromStdString(toAddress)},
                           {"text", QString::fromStdString(text)}};
    if (!serviceCenter.empty()) properties["smsc"] = QString::fromStdString(serviceCenter);
    QDBusMessage create = QDBusMessage::createMethodCall(kService, modem, kMessaging, "Create");
    create << properties;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(create, timeout_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, modem, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            qCWarning(lcPlatform) << "the modem did not take the message:" << reply.error().name();
            report(kCTMessageSendErrorNotification);
            return;
        }
        send(modem, reply.value().path());
    });
    return true;
}

void ModemManagerSmsService::send(const QString& modem, const QString& sms) {
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, sms, kSms, "Send");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeout_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, modem, sms, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<> reply = *watcher;
        if (reply.isError())
            qCWarning(lcPlatform) << "the modem did not send the message:" << reply.error().name();
        report(reply.isError() ? kCTMessageSendErrorNotification : kCTMessageSentNotification);
        remove(modem, sms);
    });
}

void ModemManagerSmsService::remove(const QString& modem, const QString& sms) {
    // Sent or not, the message leaves the modem's list, so that they do not pile up.
    QDBusMessage call = QDBusMessage::createMethodCall(kService, modem, kMessaging, "Delete");
    call << QVariant::fromValue(QDBusObjectPath(sms));
    bus_.asyncCall(call, timeout_);
}

}  // namespace hv
