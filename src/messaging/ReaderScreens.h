// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "store/Contacts.h"

namespace hv {

class ViewController;

// What the message reader opens or does beyond itself, given by the application.
struct ReaderScreens {
    // The login screen (it posts "login" when the administrator password fits).
    std::function<ViewController*()> login;
    // A composer for a reply: addressed to the contact when it has a number, else empty.
    std::function<ViewController*(const Contacts& to)> composer;
    // Ends the application at once with status 0.
    std::function<void()> exitApplication;
};

}  // namespace hv
