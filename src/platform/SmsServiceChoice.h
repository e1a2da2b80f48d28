#pragma once

#include <QStringList>
#include <memory>

namespace hv {

class SmsService;
class StorePaths;

// The SMS services this build can send through, chosen by name (--sms): "outbox" writes
// each message into <documents>/Outbox for another program to pass on; "auto" takes the
// first service present on this machine, the Outbox when there is no other.
namespace SmsServiceChoice {

QStringList names();

// The service of that name, or null for an unknown name.
std::unique_ptr<SmsService> make(const QString& name, const StorePaths& paths);

}  // namespace SmsServiceChoice

}  // namespace hv
