// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace hv {

class ViewController;

// What the message reader opens or does beyond itself, given by the application.
struct ReaderScreens {
    // The login screen (it posts "login" when the administrator password fits).
    std::function<ViewController*()> login;
    // An empty composer, for a reply.
    std::function<ViewController*()> composer;
    // Ends the application at once with status 0.
    std::function<void()> exitApplication;
};

}  // namespace hv
