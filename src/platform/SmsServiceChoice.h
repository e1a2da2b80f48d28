#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace hv {

class SmsService;
class StorePaths;

// The SMS services this build can send through, chosen by name (--sms):
// - "modem": the phone's modem through ModemManager on the system bus;
// - "kdeconnect": a phone paired with KDE Connect (the device Conf.ini names under
//   "KdeConnectDevice", else the first one reachable);
// - "outbox": each message as a file in <documents>/Outbox for another program to pass on;
// - "auto": the modem when ModemManager has one that can send, else KDE Connect when a
//   paired phone is reachable, else the Outbox. What is missing (a bus, ModemManager, the
//   tool) is no error, only a reason to go on to the next.
namespace SmsServiceChoice {

QStringList names();

struct Choice {
    std::unique_ptr<SmsService> service;  // null for an unknown name
    QString name;                         // "modem", "kdeconnect" or "outbox"
    QString reason;                       // why, in a line for the user
};

Choice choose(const QString& requested, const StorePaths& paths);

// The service of that name, or null for an unknown name.
std::unique_ptr<SmsService> make(const QString& name, const StorePaths& paths);

}  // namespace SmsServiceChoice

}  // namespace hv
