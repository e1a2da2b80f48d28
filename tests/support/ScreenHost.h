// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace hv::test {

// A shown phone window whose navigation starts at an empty root screen, for screens
// under test to be pushed or presented on. Alerts left on screen are closed with it.
class ScreenHost {
public:
    ScreenHost();
    ~ScreenHost();
    ScreenHost(const ScreenHost&) = delete;
    ScreenHost& operator=(const ScreenHost&) = delete;

    Window window;
    ViewController* root;
    NavigationController* nav;
};

}  // namespace hv::test
