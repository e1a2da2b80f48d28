// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotifier.h"

#include <QDBusMessage>

#include "Version.h"
#include "platform/Logging.h"

namespace hv {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr uchar kNormalUrgency = 1;

}  // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject* parent)
    : Notifier(parent), bus_(std::move(bus)) {
    bus_.connect(kService, kPath, kInterface, "ActionInvoked", this,
                 SLOT(actionInvoked(quint32, QString)));
    bus_.connect(kService, kPath, kInterface, "NotificationClosed", this,
                 SLOT(notificationClosed(quint32, quint32)));
}

quint32 DesktopNotifier::notify(const QString& title) {
    if (!bus_.isConnected()) return 0;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    // The desktop entry lets the shell show the application's name and icon and group its
    // notifications; the default action is what a tap on the notification does.
    const QVariantMap hints{{"desktop-entry", QString(kHushvaultAppId)},
                            {"category", QString("im.received")},
                            {"urgency", QVariant::fromValue(kNormalUrgency)}};
    call << QString("Hushvault") << quint32(0) << QString(kHushvaultAppId) << title << QString()
         << QStringList{"default", title} << hints << -1;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != "u") {
        qCWarning(lcPlatform) << "no notification could be shown:" << reply.errorName();
        return 0;
    }
    const quint32 id = reply.arguments().value(0).toUInt();
    if (id != 0) shown_.insert(id);
    return id;
}

void DesktopNotifier::actionInvoked(quint32 id, const QString&) {
    // The server's signals reach every client: another application's ids are not ours.
    if (shown_.contains(id)) emit activated(id);
}

void DesktopNotifier::notificationClosed(quint32 id, quint32) {
    shown_.remove(id);
}

}  // namespace hv
