// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "platform/Localization.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv::test {

// What a screen test starts from: a profile whose store has been through the first start,
// English texts, a clock that moves only when the test moves it, and a shown phone window
// with an empty root screen to push or present on. Alerts left on screen close with it.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() {
        Localization::install("en");
        StartupSequence::run(store, "1.0", 0);
        window.setRootViewController(nav);
        window.show();
    }
    ~ScreenTest() override {
        for (AlertView* alert : AlertView::visibleAlerts()) alert->dismiss();
    }

    // The message or title of the alert on screen; empty when there is none.
    static QString alertMessage() { return visibleAlert() ? visibleAlert()->messageText() : ""; }
    static QString alertTitle() { return visibleAlert() ? visibleAlert()->titleText() : ""; }
    // A setting as stored, "<none>" when there is none.
    std::string setting(const char* key) {
        return store.findTelephoneNumber(key).value_or("<none>");
    }

    TempDir dir;
    ManualClock clock;
    HushvaultSqlite store{dir.path()};
    Window window;
    ViewController* root = new ViewController;
    NavigationController* nav = new NavigationController(root);
};

}  // namespace hv::test
