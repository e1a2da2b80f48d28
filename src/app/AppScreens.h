// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

#include "app/MenuScreens.h"

namespace hv {

class AddressBook;
class SmsService;
class StorePaths;

// The screens the main menu opens, wired to the profile's files, the SMS service and the
// address book (neither owned; both must outlive the screens). The about screen names the
// way the service would send a message at the moment it opens.
MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService,
                            const AddressBook& addressBook);

// The message reader for a link and its sender's number (or empty), with what it opens: the
// login, a composer for replies (whose contact list is behind the login while `loggedIn`
// says no; without it, free), and the end of the application.
std::function<ViewController*(const QString& link, const QString& sender)> makeReaderFactory(
    const StorePaths& paths, SmsService* smsService, const AddressBook& addressBook,
    std::function<bool()> loggedIn = {});

}  // namespace hv
