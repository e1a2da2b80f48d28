// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace hv {

// The names under which an SMS service reports a message's fate.
inline constexpr const char* kCTMessageSentNotification = "kCTMessageSentNotification";
inline constexpr const char* kCTMessageSendErrorNotification = "kCTMessageSendErrorNotification";

// The way a message leaves: through the phone's modem, through a phone paired with KDE
// Connect, or not at all (kept as a file in the Outbox for another program or the user).
enum class SmsRoute { Modem, KdeConnect, Outbox };

// "modem", "kdeconnect" or "outbox".
inline const char* smsRouteName(SmsRoute route) {
    switch (route) {
        case SmsRoute::Modem:
            return "modem";
        case SmsRoute::KdeConnect:
            return "kdeconnect";
        case SmsRoute::Outbox:
            break;
    }
    return "outbox";
}

// Sends text messages. sendSMSWithText answers at once whether the service accepted the
// message; its fate is reported afterwards (or, for a service that knows it at once,
// before the call returns) to the report sink, under one of the two names above.
// Used from the UI thread; reports are delivered on the thread that makes them.
class SmsService {
public:
    using ReportSink = std::function<void(const std::string& notificationName)>;

    virtual ~SmsService() = default;

    // serviceCenter may be empty (the default centre).
    virtual bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                                 const std::string& toAddress) = 0;

    // The way a message handed over now would take, and why, in a line for the user. A
    // service that chooses among several (auto) answers with what it knows at this moment.
    virtual SmsRoute route() const = 0;
    virtual std::string routeReason() const = 0;
    // Whether the service is still finding out what it can send through (its first
    // look-ups have not answered). The application never waits for them; a command-line
    // run may, so that it sends and reports as a settled service would.
    virtual bool isLookingUp() const { return false; }

    void setReportSink(ReportSink sink) { sink_ = std::move(sink); }

protected:
    void report(const std::string& notificationName) const {
        if (sink_) sink_(notificationName);
    }

private:
    ReportSink sink_;
};

}  // namespace hv
