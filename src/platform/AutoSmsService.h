#pragma once

#include <memory>

#include "sms/SmsService.h"

namespace hv {

class ModemManagerSmsService;

// The service "auto" stands for: each message goes through the modem when ModemManager
// has one that can send at that moment (a modem often comes after the start: at boot,
// after flight mode), else through the fallback chosen at the start (a paired phone or
// the Outbox). Reports of both reach this service's sink.
class AutoSmsService : public SmsService {
public:
    AutoSmsService(std::unique_ptr<ModemManagerSmsService> modem,
                   std::unique_ptr<SmsService> fallback);
    ~AutoSmsService() override;

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;
    // Whether the next message goes through the modem.
    bool usesModem() const;

private:
    std::unique_ptr<ModemManagerSmsService> modem_;
    std::unique_ptr<SmsService> fallback_;
};

}  // namespace hv
