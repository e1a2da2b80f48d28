#pragma once

#include <QObject>
#include <QString>

#include "sms/SmsService.h"

namespace hv {

// Sends through a phone paired with KDE Connect, with its command-line tool:
// "kdeconnect-cli --send-sms TEXT --destination NUMBER --device ID". The arguments go to
// the program as a list, never through a shell, so no text is taken for an option or a
// command. Sent when the tool succeeds; a send error when it fails, cannot start or takes
// longer than the timeout.
class KdeConnectSmsService : public QObject, public SmsService {
    Q_OBJECT
public:
    static constexpr const char* kProgram = "kdeconnect-cli";
    // The environment variable that names another tool (set but empty: none).
    static constexpr const char* kProgramVariable = "HUSHVAULT_KDECONNECT_CLI";
    static constexpr const char* kDeviceKey = "KdeConnectDevice";  // in Conf.ini
    static constexpr int kDefaultTimeout = 60000;                  // ms

    // The device to send through, as KDE Connect names it.
    KdeConnectSmsService(QString program, QString device, int timeout = kDefaultTimeout,
                         QObject* parent = nullptr);

    // The tool $HUSHVAULT_KDECONNECT_CLI names, else the one on PATH; empty for none.
    static QString findProgram();
    // The reachable devices' ids, as the tool lists them (empty when it fails).
    static QStringList availableDevices(const QString& program, int timeout = 5000);

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;

    QString device() const { return device_; }

private:
    QString program_;
    QString device_;
    int timeout_;
};

}  // namespace hv
