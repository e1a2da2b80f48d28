// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "sms/SmsService.h"

namespace hv {

// The built-in SMS service for machines without a modem: each accepted message becomes
// one file in <documents>/Outbox/ (recipient, time and body; written under a temporary
// name, then renamed, mode 0600), from where another program or the user passes it on.
// A message it cannot write is refused. Accepted messages are reported sent at once: the
// service did all it does; nothing has left the machine (route() says so).
class OutboxSmsService : public SmsService {
public:
    explicit OutboxSmsService(std::string documentsDirectory);

    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;
    SmsRoute route() const override { return SmsRoute::Outbox; }
    std::string routeReason() const override;

    std::string outboxDirectory() const { return documentsDirectory_ + "/Outbox"; }

private:
    std::string documentsDirectory_;
};

// One file of the Outbox: "To: NUMBER", "Date: TIME", a blank line, the body.
struct OutboxMessage {
    std::string to;
    std::string date;
    std::string body;
};

// The parts of an Outbox file's contents, or nothing when it is not one.
std::optional<OutboxMessage> parseOutboxMessage(const std::string& contents);

}  // namespace hv
