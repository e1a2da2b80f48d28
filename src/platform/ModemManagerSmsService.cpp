#include "platform/ModemManagerSmsService.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <algorithm>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr const char* kManagerPath = "/org/freedesktop/ModemManager1";
constexpr const char* kObjectManager = "org.freedesktop.DBus.ObjectManager";
constexpr const char* kMessaging = "org.freedesktop.ModemManager1.Modem.Messaging";
constexpr const char* kSms = "org.freedesktop.ModemManager1.Sms";

// Path order with numbers compared as numbers: Modem/2 before Modem/10.
bool before(const QString& a, const QString& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// The interface names of an a{sa{sv}}.
QStringList interfaceNames(const QDBusArgument& argument) {
    QStringList names;
    argument.beginMap();
    while (!argument.atEnd()) {
        QString name;
        QVariantMap properties;
        argument.beginMapEntry();
        argument >> name >> properties;
        argument.endMapEntry();
        names.append(name);
    }
    argument.endMap();
    return names;
}

}  // namespace

ModemManagerSmsService::ModemManagerSmsService(QDBusConnection bus, int timeout, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), timeout_(timeout) {
    if (!bus_.isConnected()) {
        absence_ = "no system bus";
        return;
    }
    bus_.connect(kService, kManagerPath, kObjectManager, "InterfacesAdded", this,
                 SLOT(interfacesAdded(QDBusMessage)));
    bus_.connect(kService, kManagerPath, kObjectManager, "InterfacesRemoved", this,
                 SLOT(interfacesRemoved(QDBusMessage)));
    // ModemManager started or stopped while the application runs: its modems are read
    // again without waiting, or forgotten.
    auto* watcher =
        new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty()) {
                    takeObjects(QDBusMessage::createError("gone", "ModemManager stopped"));
                    return;
                }
                auto* pending = new QDBusPendingCallWatcher(
                    bus_.asyncCall(managedObjectsCall(), kScanTimeout), this);
                connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending] {
                    pending->deleteLater();
                    takeObjects(pending->reply());
                });
            });
    // At the start the answer is awaited, briefly: the choice of a service depends on it.
    takeObjects(bus_.call(managedObjectsCall(), QDBus::Block, kScanTimeout));
}

QDBusMessage ModemManagerSmsService::managedObjectsCall() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kManagerPath, kObjectManager, "GetManagedObjects");
    // Asking must not start a ModemManager the user stopped.
    call.setAutoStartService(false);
    return call;
}

void ModemManagerSmsService::takeObjects(const QDBusMessage& reply) {
    modems_.clear();
    managerPresent_ =
        reply.type() == QDBusMessage::ReplyMessage && reply.signature() == "a{oa{sa{sv}}}";
    if (!managerPresent_) {
        absence_ = "ModemManager does not answer (" + reply.errorName() + ")";
        emit modemsChanged();
        return;
    }
    const QDBusArgument objects = reply.arguments().value(0).value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        objects.beginMapEntry();
        objects >> path;
        if (interfaceNames(objects).contains(kMessaging)) modems_.append(path.path());
        objects.endMapEntry();
    }
    objects.endMap();
    std::sort(modems_.begin(), modems_.end(), before);
    absence_ = modems_.isEmpty() ? "no modem with messaging" : QString();
    qCInfo(lcPlatform) << "ModemManager:" << modems_.size() << "modem(s) with messaging";
    emit modemsChanged();
}

void ModemManagerSmsService::interfacesAdded(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2) return;
    const QString path = arguments[0].value<QDBusObjectPath>().path();
    if (interfaceNames(arguments[1].value<QDBusArgument>()).contains(kMessaging)) addModem(path);
}

void ModemManagerSmsService::interfacesRemoved(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2) return;
    if (arguments[1].toStringList().contains(kMessaging))
        removeModem(arguments[0].value<QDBusObjectPath>().path());
}

void ModemManagerSmsService::addModem(const QString& path) {
    if (modems_.contains(path)) return;
    modems_.insert(std::lower_bound(modems_.begin(), modems_.end(), path, before), path);
    managerPresent_ = true;
    absence_.clear();
    emit modemsChanged();
}

void ModemManagerSmsService::removeModem(const QString& path) {
    if (!modems_.removeAll(path)) return;
    if (modems_.isEmpty()) absence_ = "no modem with messaging";
    emit modemsChanged();
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
