// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "sms/SmsService.h"

class QDBusMessage;

namespace hv {

// Sends through a phone paired with KDE Connect, with its command-line tool:
// "kdeconnect-cli --send-sms TEXT --destination NUMBER --device ID". The arguments go to
// the program as a list, never through a shell, so no text is taken for an option or a
// command. Sent when the tool succeeds; a send error when it fails, cannot start or takes
// longer than the timeout.
//
// Only a device that can pass an SMS on is used: paired, reachable, and with the SMS
// plugin, as the KDE Connect daemon says on the session bus (a laptop or a tablet is
// paired and reachable too, but has no SMS plugin). Where there is no session bus, the
// tool's list of reachable devices is taken instead. Nothing waits for either: they are
// asked in the background, and again whenever the daemon says a device came, went or
// changed (or, with the tool, every half minute). UI thread only.
class KdeConnectSmsService : public QObject, public SmsService {
    Q_OBJECT
public:
    static constexpr const char* kProgram = "kdeconnect-cli";
    // The environment variable that names another tool (set but empty: none).
    static constexpr const char* kProgramVariable = "HUSHVAULT_KDECONNECT_CLI";
    static constexpr const char* kDeviceKey = "KdeConnectDevice";  // in Conf.ini
    static constexpr const char* kService = "org.kde.kdeconnect";
    static constexpr const char* kSmsPlugin = "kdeconnect_sms";
    static constexpr int kDefaultTimeout = 60000;  // ms for a send
    static constexpr int kLookUpTimeout = 5000;    // ms for the list of devices

    // program: the tool that sends (empty: none); namedDevice: the device Conf.ini names
    // (empty: the first that can pass an SMS on); bus: where the daemon is asked.
    KdeConnectSmsService(QString program, QString namedDevice,
                         QDBusConnection bus = QDBusConnection::sessionBus(),
                         int timeout = kDefaultTimeout, QObject* parent = nullptr);

    // The tool $HUSHVAULT_KDECONNECT_CLI names, else the one on PATH; empty for none.
    static QString findProgram();

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;
    SmsRoute route() const override { return SmsRoute::KdeConnect; }
    std::string routeReason() const override;
    bool isLookingUp() const override { return lookingUp_; }

    // The device a message goes to now: the named one when it can pass an SMS on, else
    // (when none is named) the first that can; empty for none.
    QString device() const;

    // Asks again which devices can pass an SMS on, without waiting.
    void refresh();

signals:
    void devicesChanged();

private slots:
    void somethingChanged(const QDBusMessage& message);

private:
    void lookUpOnBus(int generation);
    void lookUpWithTool(int generation);
    void checkDevices(int generation, const QStringList& ids);
    void takeDevices(int generation, const QStringList& devices, const QString& problem);

    QString program_;
    QString namedDevice_;
    QDBusConnection bus_;
    int timeout_;
    QStringList devices_;  // paired, reachable, with the SMS plugin; the daemon's order
    QString problem_;      // why the list is empty, when it is for a reason of its own
    bool lookingUp_ = true;
    int generation_ = 0;  // of the latest look-up; answers to older ones are dropped
    QTimer refreshSoon_;  // one look-up for a burst of the daemon's signals
    QTimer poll_;         // the tool's list, which says nothing when it changes
};

}  // namespace hv
