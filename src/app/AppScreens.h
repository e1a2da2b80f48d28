#pragma once

#include <QString>
#include <functional>

#include "app/MenuScreens.h"

namespace hv {

class AddressBook;
class SmsService;
class StorePaths;

// The screens the main menu opens, wired to the profile's files, the SMS service and the
// address book (neither owned; both must outlive the screens). smsServiceName ("modem",
// "kdeconnect", "outbox"; empty: not said) is named on the about screen.
MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService,
                            const AddressBook& addressBook, const QString& smsServiceName = {});

// The message reader for a link, with what it opens: the login, a composer for replies,
// and the end of the application.
std::function<ViewController*(const QString& link)> makeReaderFactory(
    const StorePaths& paths, SmsService* smsService, const AddressBook& addressBook);

}  // namespace hv
