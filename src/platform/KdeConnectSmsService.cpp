#include "platform/KdeConnectSmsService.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>

#include "platform/Logging.h"

namespace hv {

KdeConnectSmsService::KdeConnectSmsService(QString program, QString device, int timeout,
                                           QObject* parent)
    : QObject(parent),
      program_(std::move(program)),
      device_(std::move(device)),
      timeout_(timeout) {}

QString KdeConnectSmsService::findProgram() {
    if (qEnvironmentVariableIsSet(kProgramVariable)) return qEnvironmentVariable(kProgramVariable);
    return QStandardPaths::findExecutable(kProgram);
}

QStringList KdeConnectSmsService::availableDevices(const QString& program, int timeout) {
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, {"--list-available", "--id-only"});
    if (!process.waitForFinished(timeout) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    QStringList devices;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (const QString id = QString::fromUtf8(line).trimmed(); !id.isEmpty()) devices.append(id);
    return devices;
}

bool KdeConnectSmsService::sendSMSWithText(const std::string& text, const std::string&,
                                           const std::string& toAddress) {
    if (program_.isEmpty() || device_.isEmpty()) return false;
    auto* process = new QProcess(this);
    // Each a whole argument: "--send-sms" takes the next one as the text, whatever it holds.
    process->setProgram(program_);
    process->setArguments({"--send-sms", QString::fromStdString(text), "--destination",
                           QString::fromStdString(toAddress), "--device", device_});
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
