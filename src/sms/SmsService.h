#pragma once

#include <functional>
#include <string>

namespace hv {

// The names under which an SMS service reports a message's fate.
inline constexpr const char* kCTMessageSentNotification = "kCTMessageSentNotification";
inline constexpr const char* kCTMessageSendErrorNotification = "kCTMessageSendErrorNotification";

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

    void setReportSink(ReportSink sink) { sink_ = std::move(sink); }

protected:
    void report(const std::string& notificationName) const {
        if (sink_) sink_(notificationName);
    }

private:
    ReportSink sink_;
};

}  // namespace hv
