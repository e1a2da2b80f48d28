// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IncomingMessageWatcher.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr const char* kService = "org.freedesktop.ModemManager1";
constexpr const char* kMessaging = "org.freedesktop.ModemManager1.Modem.Messaging";
constexpr const char* kSms = "org.freedesktop.ModemManager1.Sms";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";

// ModemManager's MMSmsState for a received SMS: still arriving in parts, or complete.
constexpr uint kReceiving = 2;
constexpr uint kReceived = 3;

}  // namespace

IncomingMessageWatcher::IncomingMessageWatcher(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    if (!bus_.isConnected()) return;
    // No path: the signals of every modem, those that come later too.
    bus_.connect(kService, QString(), kMessaging, "Added", this, SLOT(added(QDBusMessage)));
    bus_.connect(kService, QString(), kMessaging, "Deleted", this, SLOT(deleted(QDBusMessage)));
    // A ModemManager started again numbers its SMS objects from the start.
    auto* watcher =
        new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        for (const QString& sms : QSet<QString>(arriving_)) forget(sms);
        reported_.clear();
    });
}

void IncomingMessageWatcher::added(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    // Sent by this phone, or created to be sent: none of it was received.
    if (arguments.size() < 2 || !arguments[1].toBool()) return;
    const QString sms = arguments[0].value<QDBusObjectPath>().path();
    if (sms.isEmpty() || reported_.contains(sms)) return;
    // Followed before it is read, so that a State that changes in between is not missed.
    follow(sms);
    read(sms);
}

void IncomingMessageWatcher::deleted(const QDBusMessage& message) {
    // Deleted before it was complete (by the SMS application, say): nothing more comes.
    forget(message.arguments().value(0).value<QDBusObjectPath>().path());
}

void IncomingMessageWatcher::smsChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || arguments[0].toString() != kSms) return;
    const QVariantMap changed = qdbus_cast<QVariantMap>(arguments[1]);
    // The Text may have grown with the last part: it is read again, with the State.
    if (changed.value("State").toUInt() == kReceived) read(message.path());
}

void IncomingMessageWatcher::read(const QString& sms) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, sms, kProperties, "GetAll");
    call << QString(kSms);
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, sms, pending] {
        pending->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *pending;
        if (reported_.contains(sms)) return;
        if (reply.isError()) {
            qCWarning(lcPlatform) << "a received SMS could not be read:" << reply.error().name();
            forget(sms);
            return;
        }
        const QVariantMap properties = reply.value();
        const uint state = properties.value("State").toUInt();
        if (state == kReceiving) return;  // its PropertiesChanged says when it is complete
        forget(sms);
        if (state != kReceived) return;
        reported_.insert(sms);
        qCInfo(lcPlatform) << "an SMS was received";
        emit messageReceived(properties.value("Number").toString(),
                             properties.value("Text").toString());
    });
}

void IncomingMessageWatcher::follow(const QString& sms) {
    if (arriving_.contains(sms)) return;
    arriving_.insert(sms);
    bus_.connect(kService, sms, kProperties, "PropertiesChanged", this,
                 SLOT(smsChanged(QDBusMessage)));
}

void IncomingMessageWatcher::forget(const QString& sms) {
    if (!arriving_.remove(sms)) return;
    bus_.disconnect(kService, sms, kProperties, "PropertiesChanged", this,
                    SLOT(smsChanged(QDBusMessage)));
}

}  // namespace hv
