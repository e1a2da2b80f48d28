// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "sms/SmsService.h"

namespace hv {

class KdeConnectSmsService;
class ModemManagerSmsService;

// The service "auto" stands for. It decides at each message from what it knows then: the
// modem when ModemManager has one that can send, else a paired phone through KDE Connect
// when one can pass an SMS on, else the Outbox. The look-ups behind that run in the
// background and follow what changes (a modem after boot or flight mode, a phone that
// comes into reach), so the answer is always the one of this moment. Reports of every
// service reach this one's sink.
class AutoSmsService : public SmsService {
public:
    // phone may be null (no KDE Connect tool).
    AutoSmsService(std::unique_ptr<ModemManagerSmsService> modem,
                   std::unique_ptr<KdeConnectSmsService> phone, std::unique_ptr<SmsService> outbox);
    ~AutoSmsService() override;

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;
    SmsRoute route() const override;
    std::string routeReason() const override;
    bool isLookingUp() const override;

private:
    SmsService& current() const;

    std::unique_ptr<ModemManagerSmsService> modem_;
    std::unique_ptr<KdeConnectSmsService> phone_;
    std::unique_ptr<SmsService> outbox_;
};

}  // namespace hv
