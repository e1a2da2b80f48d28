#include "platform/SmsServiceChoice.h"

#include "sms/OutboxSmsService.h"
#include "store/StorePaths.h"

namespace hv {

QStringList SmsServiceChoice::names() {
    return {"auto", "outbox"};
}

std::unique_ptr<SmsService> SmsServiceChoice::make(const QString& name, const StorePaths& paths) {
    if (name == "auto" || name == "outbox")
        return std::make_unique<OutboxSmsService>(paths.documentsDirectory());
    return nullptr;
}

}  // namespace hv
