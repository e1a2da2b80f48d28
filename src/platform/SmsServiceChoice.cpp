// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SmsServiceChoice.h"

#include "platform/AutoSmsService.h"
#include "platform/KdeConnectSmsService.h"
#include "platform/ModemManagerSmsService.h"
#include "sms/OutboxSmsService.h"
#include "store/ConfigFile.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

// The KDE Connect service with the device Conf.ini names, if any; null without the tool.
std::unique_ptr<KdeConnectSmsService> kdeConnect(const StorePaths& paths) {
    const QString program = KdeConnectSmsService::findProgram();
    if (program.isEmpty()) return nullptr;
    const auto named = ConfigFile(paths.documentsDirectory())
                           .GetStrValueFromConfigFile(KdeConnectSmsService::kDeviceKey);
    return std::make_unique<KdeConnectSmsService>(program,
                                                  QString::fromStdString(named.value_or("")));
}

}  // namespace

QStringList SmsServiceChoice::names() {
    return {"auto", "modem", "kdeconnect", "outbox"};
}

std::unique_ptr<SmsService> SmsServiceChoice::make(const QString& name, const StorePaths& paths) {
    if (name == "outbox") return std::make_unique<OutboxSmsService>(paths.documentsDirectory());
    if (name == "modem") return std::make_unique<ModemManagerSmsService>();
    if (name == "kdeconnect") {
        if (auto phone = kdeConnect(paths)) return phone;
        return std::make_unique<KdeConnectSmsService>(QString(), QString());
    }
    if (name != "auto") return nullptr;
    return std::make_unique<AutoSmsService>(
        std::make_unique<ModemManagerSmsService>(), kdeConnect(paths),
        std::make_unique<OutboxSmsService>(paths.documentsDirectory()));
}

}  // namespace hv
