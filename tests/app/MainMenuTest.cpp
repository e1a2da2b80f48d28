// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HushvaultViewController.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/Localization.h"
#include "platform/NotificationNames.h"
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
    void start(const char* password, double lockTime, const char* time, bool withScreens = false) {
        HushvaultSqlite store(dir.path());
        StartupSequence::run(store, "1.0", lockTime);
        store.updatetel("PassWord", password);
        store.updatetel("Time", time);
        MenuScreens screens;
        if (withScreens) {
            screens.contactList = [this](HushvaultViewController*) { return named("contacts"); };
            screens.records = [this](HushvaultViewController*) { return named("records"); };
            screens.login = [this](HushvaultViewController*) { return named("login"); };
            screens.settings = [this](HushvaultViewController*) { return named("settings"); };
        }
        menu = new HushvaultViewController(dir.paths(), screens);
        nav = new NavigationController(menu);
        window.setRootViewController(nav);
        window.show();
    }

    // A widget of the menu's screen or its navigation bar, by name.
    QWidget* shown(const char* name) { return window.findChild<QWidget*>(name); }

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

TEST_F(MainMenuTest, AStoredPasswordAndAnExpiredPeriodLockTheMenu) {
    start("2468", kNow - 61, "1");
    EXPECT_FALSE(menu->IsLogin());
}

TEST_F(MainMenuTest, StillWithinThePeriodTheUserStaysLoggedInAndEntriesNeedTheirScreens) {
    start("2468", kNow - 60, "1");
    EXPECT_TRUE(menu->IsLogin());
    for (const char* entry :
         {"newMessageButton", "smsContractsButton", "smsMessagesButton", "settingButton"})
        EXPECT_FALSE(shown(entry)->isEnabled()) << entry;
    menu->UIButtonClicked(101);
    EXPECT_EQ(nav->viewControllers().size(), 1);
}

TEST_F(MainMenuTest, GuardedEntriesAskForALoginAndResumeAfterIt) {
    start("2468", kNow - 61, "1", true);
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
    EXPECT_EQ(nav->topViewController()->title(), localized("Management"));

    nav->popViewControllerAnimated(false);
    test::tap(&window, "smsMessagesButton");
    EXPECT_EQ(nav->topViewController()->objectName(), "records");
    EXPECT_EQ(menu->buttonClicked(), 102);  // records opened directly keep the waiting entry
}

TEST_F(MainMenuTest, ALaterSaveLogsNobodyInAndImmediatelyOpensAnEntryOncePerLogin) {
    start("2468", kNow - 120, "1", true);
    // A later save of the settings starts a new period, but logs nobody in.
    HushvaultSqlite(dir.path()).updatetel("LockTime", formatLockTime(kNow));
    EXPECT_FALSE(menu->IsLogin());

    HushvaultSqlite(dir.path()).updatetel("Time", "0");
    test::tap(&window, "smsContractsButton");
    EXPECT_EQ(made.last(), "login");
    menu->dismissModalViewController(false);
    menu->finishedLogin(true);
    EXPECT_EQ(nav->topViewController()->objectName(), "contacts");
    nav->popViewControllerAnimated(false);
    clock.advance(1);
    test::tap(&window, "smsContractsButton");
    EXPECT_EQ(nav->topViewController(), menu);
    EXPECT_EQ(made.last(), "login");
}

TEST_F(MainMenuTest, HiddenNotificationHidesTheBackButton) {
    start("", kNow, "0");
    NotificationCenter::defaultCenter().postNotification(kNotificationHidden, QString("YES"));
    EXPECT_TRUE(menu->navigationItem()->hidesBackButton());
    NotificationCenter::defaultCenter().postNotification(kNotificationHidden, QString("NO"));
    EXPECT_FALSE(menu->navigationItem()->hidesBackButton());
}

TEST_F(MainMenuTest, OpeningTheSettingsForgetsTheEntryThatWaitedForALogin) {
    start("2468", kNow - 61, "1", true);
    test::tap(&window, "smsContractsButton");
    menu->dismissModalViewController(false);
    test::tap(&window, "settingButton");
    EXPECT_EQ(menu->buttonClicked(), 0);
    EXPECT_EQ(nav->topViewController()->title(), localized("Setting"));
    menu->finishedLogin(true);  // a login made inside the settings
    EXPECT_EQ(nav->topViewController()->objectName(), "settings");
}
