// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultViewController.h"

#include <gtest/gtest.h>

#include "platform/Localization.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/StartupSequence.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

using namespace hv;

namespace {

constexpr double kNow = 1765000000.0;

// A window with the main menu over prepared settings; the guarded screens are stand-ins.
class MainMenuTest : public ::testing::Test {
protected:
    void start(const char* password, double lockTime, const char* time) {
        HushvaultSqlite store(dir.path());
        StartupSequence::run(store, "1.0", lockTime);
        store.updatetel("PassWord", password);
        store.updatetel("Time", time);
        MenuScreens screens;
        screens.contactList = [this](HushvaultViewController*) { return named("contacts"); };
        screens.records = [this](HushvaultViewController*) { return named("records"); };
        screens.login = [this](HushvaultViewController*) { return named("login"); };
        menu = new HushvaultViewController(dir.paths(), screens);
        nav = new NavigationController(menu);
        window.setRootViewController(nav);
        window.show();
    }

    ViewController* named(const char* name) {
        auto* screen = new ViewController;
        screen->setObjectName(name);
        made.append(name);
        return screen;
    }

    test::TempDir dir;
    test::ManualClock clock{kNow};
    Window window;
    HushvaultViewController* menu = nullptr;
    NavigationController* nav = nullptr;
    QStringList made;
};

}  // namespace

TEST_F(MainMenuTest, GuardedEntriesAskForALoginAndResumeAfterIt) {
    start("2468", kNow - 61, "1");
    test::tap(&window, "smsContractsButton");
    EXPECT_EQ(nav->viewControllers().size(), 1);
    EXPECT_EQ(made, QStringList({"contacts", "login"}));
    EXPECT_EQ(menu->buttonClicked(), 102);
    ASSERT_NE(menu->modalViewController(), nullptr);
    menu->dismissModalViewController(false);

    // A login starts a new locking period, then tells the menu.
    HushvaultSqlite(dir.path()).updatetel("LockTime", formatLockTime(kNow));
    menu->finishedLogin(true);
    EXPECT_TRUE(menu->IsLogin());
    EXPECT_EQ(nav->topViewController()->objectName(), "contacts");

    nav->popViewControllerAnimated(false);
    test::tap(&window, "smsMessagesButton");
    EXPECT_EQ(nav->topViewController()->objectName(), "records");
    EXPECT_EQ(menu->buttonClicked(), 102);  // records opened directly keep the waiting entry
}
