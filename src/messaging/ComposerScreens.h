// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace hv {

class ViewController;

// The screens the composer opens, made by the application. Without the contact list the
// recipient's detail button is disabled; without the chooser the phone-type row opens
// nothing; without the settings the missing web link host is only said.
struct ComposerScreens {
    // The secret contact list, which hands a contact back with "getContractInfo".
    std::function<ViewController*()> contactList;
    // The phone-type chooser, which calls `chosen` with the friend's phone type.
    std::function<ViewController*(std::function<void(bool isIphone)> chosen)> phoneTypeChooser;
    // The settings screen, where the web link host is set.
    std::function<ViewController*()> settings;
    // Whether the user is logged in now; without it the contact list needs no login.
    std::function<bool()> loggedIn;
    // The login screen, which calls `done` after a login that succeeded.
    std::function<ViewController*(std::function<void()> done)> login;
};

}  // namespace hv
