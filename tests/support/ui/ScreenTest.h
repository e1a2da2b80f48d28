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
#include "support/ScreenHost.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv::test {

// What a screen test starts from: a profile whose store has been through the first start,
// English texts, a clock that moves only when the test moves it, and a shown phone window
// with an empty root screen to push or present on.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() {
        Localization::install("en");
        StartupSequence::run(store, "1.0", 0);
    }

    // The message or title of the alert on screen; empty when there is none.
    static QString alertMessage() {
        AlertView* alert = visibleAlert();
        return alert ? alert->messageText() : QString();
    }
    static QString alertTitle() {
        AlertView* alert = visibleAlert();
        return alert ? alert->titleText() : QString();
    }
    // A setting as stored, "<none>" when there is none.
    std::string setting(const char* key) {
        return store.findTelephoneNumber(key).value_or("<none>");
    }

    TempDir dir;
    ManualClock clock;
    HushvaultSqlite store{dir.path()};
    ScreenHost host;
    Window& window = host.window;
    ViewController* root = host.root;
    NavigationController* nav = host.nav;
};

}  // namespace hv::test
