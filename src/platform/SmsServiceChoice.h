// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
//   "KdeConnectDevice", else the first paired, reachable one with the SMS plugin);
// - "outbox": each message as a file in <documents>/Outbox for another program to pass on;
// - "auto": at each message, the modem when ModemManager has one that can send, else KDE
//   Connect when a phone can pass an SMS on, else the Outbox. What is missing (a bus,
//   ModemManager, the tool) is no error, only a reason to go on to the next.
// Making a service never waits: what it needs to know is asked in the background, and the
// service's route() says what a message would take at any moment.
namespace SmsServiceChoice {

QStringList names();

// The service of that name, or null for an unknown name.
std::unique_ptr<SmsService> make(const QString& name, const StorePaths& paths);

}  // namespace SmsServiceChoice

}  // namespace hv
