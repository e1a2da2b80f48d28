#include "platform/SmsServiceChoice.h"

#include "platform/KdeConnectSmsService.h"
#include "platform/ModemManagerSmsService.h"
#include "sms/OutboxSmsService.h"
#include "store/ConfigFile.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

SmsServiceChoice::Choice outbox(const StorePaths& paths, QString reason) {
    return {std::make_unique<OutboxSmsService>(paths.documentsDirectory()), "outbox",
            std::move(reason)};
}

// The paired phone to send through: the one Conf.ini names, else the first reachable.
QString kdeConnectDevice(const QString& program, const StorePaths& paths, QString* why) {
    const auto named = ConfigFile(paths.documentsDirectory())
                           .GetStrValueFromConfigFile(KdeConnectSmsService::kDeviceKey);
    if (named && !named->empty()) {
        *why = "the device " + QString::fromStdString(*named) + " named in Conf.ini";
        return QString::fromStdString(*named);
    }
    const QStringList devices = KdeConnectSmsService::availableDevices(program);
    if (devices.isEmpty()) {
        *why = "no paired device is reachable";
        return {};
    }
    *why = "the reachable device " + devices.first();
    return devices.first();
}

}  // namespace

QStringList SmsServiceChoice::names() {
    return {"auto", "modem", "kdeconnect", "outbox"};
}

SmsServiceChoice::Choice SmsServiceChoice::choose(const QString& requested,
                                                  const StorePaths& paths) {
    if (!names().contains(requested)) return {};
    if (requested == "outbox") return outbox(paths, "chosen with --sms=outbox");

    QStringList skipped;
    if (requested == "auto" || requested == "modem") {
        auto modem = std::make_unique<ModemManagerSmsService>();
        const QString path = modem->modemPath();
        if (!path.isEmpty() || requested == "modem") {
            const QString reason =
                path.isEmpty() ? "chosen with --sms=modem; for now " + modem->absenceReason()
                               : "ModemManager's modem " + path;
            return {std::move(modem), "modem", reason};
        }
        skipped.append("modem: " + modem->absenceReason());
    }
    const QString program = KdeConnectSmsService::findProgram();
    if (requested == "auto" || requested == "kdeconnect") {
        QString why;
        const QString device =
            program.isEmpty() ? QString() : kdeConnectDevice(program, paths, &why);
        if (program.isEmpty()) why = QString(KdeConnectSmsService::kProgram) + " is not installed";
        if (!device.isEmpty() || requested == "kdeconnect")
            return {std::make_unique<KdeConnectSmsService>(program, device), "kdeconnect",
                    "KDE Connect: " + why};
        skipped.append("KDE Connect: " + why);
    }
    return outbox(paths, "no other service: " + skipped.join("; "));
}

std::unique_ptr<SmsService> SmsServiceChoice::make(const QString& name, const StorePaths& paths) {
    return choose(name, paths).service;
}

}  // namespace hv
