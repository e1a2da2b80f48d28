// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/KdeConnectSmsService.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr const char* kDaemonPath = "/modules/kdeconnect";
constexpr const char* kDaemon = "org.kde.kdeconnect.daemon";
constexpr const char* kDevice = "org.kde.kdeconnect.device";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr int kPollInterval = 30000;  // ms, for the tool's list

QDBusMessage daemonCall(const QString& path, const char* interface, const char* method) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(KdeConnectSmsService::kService, path, interface, method);
    // Asking must not start a daemon that is not running: it would find nothing at once.
    call.setAutoStartService(false);
    return call;
}

bool isAbsent(const QDBusMessage& reply) {
    return QDBusError(reply).type() == QDBusError::ServiceUnknown ||
           reply.errorName() == "org.freedesktop.DBus.Error.NameHasNoOwner";
}

}  // namespace

KdeConnectSmsService::KdeConnectSmsService(QString program, QString namedDevice,
                                           QDBusConnection bus, int timeout, QObject* parent)
    : QObject(parent),
      program_(std::move(program)),
      namedDevice_(std::move(namedDevice)),
      bus_(std::move(bus)),
      timeout_(timeout) {
    if (program_.isEmpty()) {
        lookingUp_ = false;  // nothing to send with, so nothing to look for
        return;
    }
    refreshSoon_.setSingleShot(true);
    refreshSoon_.setInterval(50);
    connect(&refreshSoon_, &QTimer::timeout, this, &KdeConnectSmsService::refresh);
    if (bus_.isConnected()) {
        for (const char* signal : {"deviceAdded", "deviceRemoved", "deviceVisibilityChanged"})
            bus_.connect(kService, kDaemonPath, kDaemon, signal, this,
                         SLOT(somethingChanged(QDBusMessage)));
        // Any device's (their paths are their ids); the pairing signal has two names.
        for (const char* signal :
             {"reachableChanged", "pluginsChanged", "pairStateChanged", "trustedChanged"})
            bus_.connect(kService, QString(), kDevice, signal, this,
                         SLOT(somethingChanged(QDBusMessage)));
        auto* watcher =
            new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, &refreshSoon_,
                qOverload<>(&QTimer::start));
    } else {
        connect(&poll_, &QTimer::timeout, this, &KdeConnectSmsService::refresh);
        poll_.start(kPollInterval);
    }
    refresh();
}

QString KdeConnectSmsService::findProgram() {
    if (qEnvironmentVariableIsSet(kProgramVariable)) return qEnvironmentVariable(kProgramVariable);
    return QStandardPaths::findExecutable(kProgram);
}

void KdeConnectSmsService::somethingChanged(const QDBusMessage&) {
    refreshSoon_.start();
}

void KdeConnectSmsService::refresh() {
    if (program_.isEmpty()) return;
    const int generation = ++generation_;
    if (bus_.isConnected())
        lookUpOnBus(generation);
    else
        lookUpWithTool(generation);
}

void KdeConnectSmsService::lookUpOnBus(int generation) {
    QDBusMessage call = daemonCall(kDaemonPath, kDaemon, "devices");
    call << true << true;  // only reachable, only paired
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call, kLookUpTimeout), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, generation] {
        pending->deleteLater();
        const QDBusMessage reply = pending->reply();
        if (reply.type() != QDBusMessage::ReplyMessage) {
            takeDevices(generation, {},
                        isAbsent(reply)
                            ? QString("the KDE Connect daemon is not running")
                            : "KDE Connect does not answer (" + reply.errorName() + ")");
            return;
        }
        checkDevices(generation, reply.arguments().value(0).toStringList());
    });
}

void KdeConnectSmsService::checkDevices(int generation, const QStringList& ids) {
    if (ids.isEmpty()) {
        takeDevices(generation, {}, {});
        return;
    }
    // Two questions to each device; the list is taken once every answer is in.
    struct Answers {
        std::vector<int> yes;  // per device: how many of its two answers were "yes"
        int awaited = 0;
    };
    auto answers = std::make_shared<Answers>();
    answers->yes.assign(std::size_t(ids.size()), 0);
    answers->awaited = 2 * int(ids.size());
    const auto answered = [this, answers, ids, generation](std::size_t index, bool yes) {
        if (yes) ++answers->yes[index];
        if (--answers->awaited > 0) return;
        QStringList usable;
        for (std::size_t i = 0; i < answers->yes.size(); ++i)
            if (answers->yes[i] == 2) usable.append(ids[qsizetype(i)]);
        takeDevices(generation, usable, {});
    };
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString path = QString(kDaemonPath) + "/devices/" + ids[i];
        QDBusMessage hasPlugin = daemonCall(path, kDevice, "hasPlugin");
        hasPlugin << QString(kSmsPlugin);
        QDBusMessage reachable = daemonCall(path, kProperties, "Get");
        reachable << QString(kDevice) << QString("isReachable");
        for (const QDBusMessage& question : {hasPlugin, reachable}) {
            auto* pending =
                new QDBusPendingCallWatcher(bus_.asyncCall(question, kLookUpTimeout), this);
            connect(pending, &QDBusPendingCallWatcher::finished, this,
                    [pending, answered, index = std::size_t(i)] {
                        pending->deleteLater();
                        const QVariant value = pending->reply().arguments().value(0);
                        // Get answers with a variant around the value.
                        answered(index, value.userType() == qMetaTypeId<QDBusVariant>()
                                            ? value.value<QDBusVariant>().variant().toBool()
                                            : value.toBool());
                    });
        }
    }
}

void KdeConnectSmsService::lookUpWithTool(int generation) {
    auto* process = new QProcess(this);
    auto* timer = new QTimer(process);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, process, &QProcess::kill);  // "finished" follows
    connect(process, &QProcess::finished, this,
            [this, process, generation](int code, QProcess::ExitStatus status) {
                process->deleteLater();
                if (status != QProcess::NormalExit || code != 0) {
                    takeDevices(generation, {}, QString(kProgram) + " --list-available failed");
                    return;
                }
                QStringList devices;
                for (const QByteArray& line : process->readAllStandardOutput().split('\n'))
                    if (const QString id = QString::fromUtf8(line).trimmed(); !id.isEmpty())
                        devices.append(id);
                takeDevices(generation, devices, {});
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, generation](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart) return;
                process->deleteLater();
                takeDevices(generation, {}, QString(kProgram) + " could not be started");
            });
    process->setStandardErrorFile(QProcess::nullDevice());
    timer->start(kLookUpTimeout);
    process->start(program_, {"--list-available", "--id-only"});
}

void KdeConnectSmsService::takeDevices(int generation, const QStringList& devices,
                                       const QString& problem) {
    if (generation != generation_) return;  // a later look-up is on its way
    lookingUp_ = false;
    if (devices == devices_ && problem == problem_) return;
    devices_ = devices;
    problem_ = problem;
    qCInfo(lcPlatform) << "KDE Connect:" << devices_.size() << "device(s) can pass an SMS on";
    emit devicesChanged();
}

QString KdeConnectSmsService::device() const {
    if (program_.isEmpty()) return {};
    if (!namedDevice_.isEmpty()) return devices_.contains(namedDevice_) ? namedDevice_ : QString();
    return devices_.value(0);
}

std::string KdeConnectSmsService::routeReason() const {
    QString reason;
    if (program_.isEmpty())
        reason = QString(kProgram) + " is not installed";
    else if (lookingUp_)
        reason = "KDE Connect has not answered yet";
    else if (const QString chosen = device(); !chosen.isEmpty())
        reason = namedDevice_.isEmpty() ? "the paired phone " + chosen
                                        : "the device " + chosen + " named in Conf.ini";
    else if (!problem_.isEmpty())
        reason = problem_;
    else if (!namedDevice_.isEmpty())
        reason = "the device " + namedDevice_ +
                 " named in Conf.ini is not paired, reachable and with the SMS plugin";
    else
        reason = "no paired, reachable device has the SMS plugin";
    return reason.toStdString();
}

bool KdeConnectSmsService::sendSMSWithText(const std::string& text, const std::string&,
                                           const std::string& toAddress) {
    const QString target = device();
    if (target.isEmpty()) return false;
    auto* process = new QProcess(this);
    // Each a whole argument: "--send-sms" takes the next one as the text, whatever it holds.
    process->setProgram(program_);
    process->setArguments({"--send-sms", QString::fromStdString(text), "--destination",
                           QString::fromStdString(toAddress), "--device", target});
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    auto* timer = new QTimer(process);
    timer->setSingleShot(true);
    // One report per message; the process object goes once the process has ended.
    auto finish = [this, process](bool sent) {
        if (process->property("reported").toBool()) return;
        process->setProperty("reported", true);
        if (!sent) qCWarning(lcPlatform) << "KDE Connect did not send the message";
        report(sent ? kCTMessageSentNotification : kCTMessageSendErrorNotification);
    };
    connect(process, &QProcess::finished, this,
            [finish, process](int code, QProcess::ExitStatus status) {
                finish(status == QProcess::NormalExit && code == 0);
                process->deleteLater();
            });
    connect(process, &QProcess::errorOccurred, this, [finish, process](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        finish(false);
        process->deleteLater();
    });
    connect(timer, &QTimer::timeout, this, [finish, process] {
        finish(false);
        process->kill();  // "finished" follows
    });
    timer->start(timeout_);
    process->start();
    return true;
}

}  // namespace hv
