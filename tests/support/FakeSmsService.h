// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "sms/SmsService.h"

namespace hv::test {

// An SMS service whose answers the test chooses: refuse, or accept and then report the
// message sent, failed, or nothing (the test reports later with report()).
class FakeSmsService : public SmsService {
public:
    enum class Mode { Refuse, AcceptThenSent, AcceptThenError, AcceptSilently };

    explicit FakeSmsService(Mode mode = Mode::AcceptSilently) : mode_(mode) {}
    void setMode(Mode mode) { mode_ = mode; }

    bool sendSMSWithText(const std::string& text, const std::string&,
                         const std::string& toAddress) override {
        sent.push_back({toAddress, text});
        if (mode_ == Mode::AcceptThenSent) report(kCTMessageSentNotification);
        if (mode_ == Mode::AcceptThenError) report(kCTMessageSendErrorNotification);
        return mode_ != Mode::Refuse;
    }

    SmsRoute route() const override { return SmsRoute::Modem; }
    std::string routeReason() const override { return "the test's fake"; }

    using SmsService::report;

    struct Message {
        std::string to, body;
    };
    std::vector<Message> sent;

private:
    Mode mode_;
};

}  // namespace hv::test
