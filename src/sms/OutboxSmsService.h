#pragma once

#include <string>

#include "sms/SmsService.h"

namespace hv {

// The built-in SMS service for machines without a modem: each accepted message becomes
// one file in <documents>/Outbox/ (recipient, time and body; written under a temporary
// name, then renamed, mode 0600), from where another program or the user passes it on.
// A message it cannot write is refused. Accepted messages are reported sent at once.
class OutboxSmsService : public SmsService {
public:
    explicit OutboxSmsService(std::string documentsDirectory);

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;

    std::string outboxDirectory() const { return documentsDirectory_ + "/Outbox"; }

    // The parts of an outbox file, or nothing when it is not one.
    struct Message {
        std::string to;
        std::string date;
        std::string body;
    };
    static bool parse(const std::string& contents, Message* message);

private:
    std::string documentsDirectory_;
};

}  // namespace hv
