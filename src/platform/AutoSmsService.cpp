// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AutoSmsService.h"

#include "platform/KdeConnectSmsService.h"
#include "platform/ModemManagerSmsService.h"

namespace hv {

AutoSmsService::AutoSmsService(std::unique_ptr<ModemManagerSmsService> modem,
                               std::unique_ptr<KdeConnectSmsService> phone,
                               std::unique_ptr<SmsService> outbox)
    : modem_(std::move(modem)), phone_(std::move(phone)), outbox_(std::move(outbox)) {
    for (SmsService* inner : {static_cast<SmsService*>(modem_.get()),
                              static_cast<SmsService*>(phone_.get()), outbox_.get()})
        if (inner) inner->setReportSink([this](const std::string& name) { report(name); });
}

AutoSmsService::~AutoSmsService() = default;

SmsService& AutoSmsService::current() const {
    if (!modem_->modemPath().isEmpty()) return *modem_;
    if (phone_ && !phone_->device().isEmpty()) return *phone_;
    return *outbox_;
}

bool AutoSmsService::sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                                     const std::string& toAddress) {
    return current().sendSMSWithText(text, serviceCenter, toAddress);
}

SmsRoute AutoSmsService::route() const {
    return current().route();
}

std::string AutoSmsService::routeReason() const {
    if (!modem_->modemPath().isEmpty()) return modem_->routeReason();
    const std::string phone =
        phone_ ? phone_->routeReason()
               : std::string(KdeConnectSmsService::kProgram) + " is not installed";
    const bool viaPhone = phone_ && !phone_->device().isEmpty();
    return "no modem (" + modem_->routeReason() + "); KDE Connect: " + phone + "; so " +
           (viaPhone ? "KDE Connect" : "the Outbox");
}

bool AutoSmsService::isLookingUp() const {
    return modem_->isLookingUp() || (phone_ && phone_->isLookingUp());
}

}  // namespace hv
