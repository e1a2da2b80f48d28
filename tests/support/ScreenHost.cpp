// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScreenHost.h"

#include "ui/AlertView.h"

namespace hv::test {

ScreenHost::ScreenHost() : root(new ViewController), nav(new NavigationController(root)) {
    window.setRootViewController(nav);
    window.show();
}

ScreenHost::~ScreenHost() {
    for (AlertView* alert : AlertView::visibleAlerts()) alert->dismiss();
}

}  // namespace hv::test
