#include "platform/SmsServiceChoice.h"

#include "platform/AutoSmsService.h"
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
// reachableOnly: a named phone counts only when it is reachable now.
QString kdeConnectDevice(const QString& program, const StorePaths& paths, bool reachableOnly,
                         QString* why) {
    const auto named = ConfigFile(paths.documentsDirectory())
                           .GetStrValueFromConfigFile(KdeConnectSmsService::kDeviceKey);
    const QStringList devices = KdeConnectSmsService::availableDevices(program);
    if (named && !named->empty()) {
        const QString device = QString::fromStdString(*named);
        const bool reachable = devices.contains(device);
        *why = "the device " + device + " named in Conf.ini" +
               (reachable ? QString() : QString(" is not reachable"));
        return reachable || !reachableOnly ? device : QString();
    }
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
    if (requested == "modem") {
        auto modem = std::make_unique<ModemManagerSmsService>();
        const QString path = modem->modemPath();
        const QString reason = path.isEmpty()
                                   ? "chosen with --sms=modem; for now " + modem->absenceReason()
                                   : "ModemManager's modem " + path;
        return {std::move(modem), "modem", reason};
    }

    const QString program = KdeConnectSmsService::findProgram();
    QString why = QString(KdeConnectSmsService::kProgram) + " is not installed";
    const QString device =
        program.isEmpty() ? QString() : kdeConnectDevice(program, paths, requested == "auto", &why);
    if (requested == "kdeconnect")
        return {std::make_unique<KdeConnectSmsService>(program, device), "kdeconnect",
                "KDE Connect: " + why};

    // Auto: the modem whenever one can send (it may come after the start), else what was
    // found at the start.
    Choice fallback = device.isEmpty()
                          ? outbox(paths, "so the Outbox")
                          : Choice{std::make_unique<KdeConnectSmsService>(program, device),
                                   "kdeconnect", "so KDE Connect"};
    auto modem = std::make_unique<ModemManagerSmsService>();
    const QString path = modem->modemPath();
    Choice choice;
    choice.name = path.isEmpty() ? fallback.name : QString("modem");
    choice.reason = path.isEmpty() ? "no modem (" + modem->absenceReason() +
                                         "); KDE Connect: " + why + "; " + fallback.reason
                                   : "ModemManager's modem " + path;
    choice.service =
        std::make_unique<AutoSmsService>(std::move(modem), std::move(fallback.service));
    return choice;
}

std::unique_ptr<SmsService> SmsServiceChoice::make(const QString& name, const StorePaths& paths) {
    return choose(name, paths).service;
}

}  // namespace hv
