#include "platform/AutoSmsService.h"

#include "platform/ModemManagerSmsService.h"

namespace hv {

AutoSmsService::AutoSmsService(std::unique_ptr<ModemManagerSmsService> modem,
                               std::unique_ptr<SmsService> fallback)
    : modem_(std::move(modem)), fallback_(std::move(fallback)) {
    for (SmsService* inner : {static_cast<SmsService*>(modem_.get()), fallback_.get()})
        inner->setReportSink([this](const std::string& name) { report(name); });
}

AutoSmsService::~AutoSmsService() = default;

bool AutoSmsService::usesModem() const {
    return !modem_->modemPath().isEmpty();
}

bool AutoSmsService::sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                                     const std::string& toAddress) {
    SmsService& service = usesModem() ? static_cast<SmsService&>(*modem_) : *fallback_;
    return service.sendSMSWithText(text, serviceCenter, toAddress);
}

}  // namespace hv
