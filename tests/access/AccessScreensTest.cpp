// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/AdminPasswordSteps.h"
#include "access/ChooseTimeLockViewController.h"
#include "access/LockTimeChoices.h"
#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/PassCodeResult.h"
#include "access/SettingViewController.h"
#include "access/SettingViewFirstController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "support/RawSql.h"
#include "support/ui/ScreenTest.h"
#include "ui/SwitchControl.h"

using namespace hv;

namespace {

// The main menu as the access screens see it.
struct FakeMenu : LoginListener {
    bool loggedIn = false;
    QStringList calls;
    bool IsLogin() const override { return loggedIn; }
    void setIsLogin(bool flag) override {
        loggedIn = flag;
        calls << "setIsLogin";
    }
    void finishedLogin(bool flag) override {
        loggedIn = flag;
        calls << "finishedLogin";
    }
};

// An owner that answers every passcode with a code chosen by the test.
struct ScriptedOwner : PassWordViewDelegate {
    int code = kPassCodeWrongAdmin;
    QStringList received;
    int checkPassWordWithstring(const QString& passcode) override {
        received << passcode;
        return code;
    }
};

class AccessScreensTest : public test::ScreenTest {
protected:
    // Types into the top screen's pad and submits it with its bar button.
    void submit(const QString& passcode, const QString& button) {
        ViewController* top = window.topController();
        auto* field = top->findChildren<QLineEdit*>("lineTextField").last();
        field->setText(passcode);
        test::tap(top, button);
    }

    FakeMenu menu;
};

SwitchControl* switchOf(const QWidget* settings) {
    return settings->findChild<SwitchControl*>("messageSwitch");
}

TableRow* row(const QWidget* screen, const QString& name) {
    return screen->findChild<TableRow*>(name);
}

}  // namespace

TEST_F(AccessScreensTest, PadChecksLengthShowsEachCodeAndEmptiesItselfAfterAWrongOne) {
    PassWordView pad;
    ScriptedOwner owner;
    pad.setDelegate(&owner);
    auto* status = pad.findChild<QLabel*>("countLabel");
    QTest::keyClicks(pad.lineTextField(), "123");
    QTest::keyClick(pad.lineTextField(), Qt::Key_Return);
    EXPECT_TRUE(owner.received.isEmpty());
    ASSERT_EQ(alertMessage(), localized("password length"));
    EXPECT_EQ(pad.lineTextField()->text(), "123");
    test::visibleAlert()->dismiss();

    owner.code = kPassCodeWrongOld;
    pad.lineTextField()->setText("1234");
    pad.setFieldWithNumber();
    EXPECT_EQ(owner.received, QStringList({"1234"}));
    EXPECT_EQ(status->text(), localized("incorrect old password"));
    EXPECT_EQ(pad.lineTextField()->text(), "1234");
    clock.advance(0.5);
    EXPECT_EQ(pad.lineTextField()->text(), "");
    EXPECT_EQ(status->text(), localized("incorrect old password"));

    owner.code = kPassCodeConfirmNew;
    pad.lineTextField()->setText("123456789");
    pad.setFieldWithNumber();
    EXPECT_EQ(status->text(), localized("input the new password again"));
    clock.advance(0.5);
    owner.code = kPassCodeNoPassword;  // nothing to compare with: the entry stays
    pad.lineTextField()->setText("5555");
    pad.setFieldWithNumber();
    clock.advance(1);
    EXPECT_EQ(pad.lineTextField()->text(), "5555");
    EXPECT_EQ(status->text(), localized("no pass word"));

    // Touching the pad outside its field puts the keyboard away and brings it back.
    EXPECT_TRUE(pad.isFirstResponder());
    QTest::mouseClick(&pad, Qt::LeftButton, {}, QPoint(10, 300));
    EXPECT_FALSE(pad.isFirstResponder());
    QTest::mouseClick(&pad, Qt::LeftButton, {}, QPoint(10, 300));
    EXPECT_TRUE(pad.isFirstResponder());
}

TEST_F(AccessScreensTest, LoginMatchesExactlyThenTellsEveryoneInOrder) {
    store.updatetel("PassWord", "Ab12");
    QStringList heard;
    QObject observer;
    for (const char* name : {kNotificationLogin, kNotificationLockTime})
        NotificationCenter::defaultCenter().addObserver(
            &observer, name, [&](const Notification& n) {
                heard << n.name + (menu.calls.isEmpty() ? "" : " after " + menu.calls.join(","));
            });
    root->presentModalViewController(
        new NavigationController(new LoginViewController(dir.paths(), &menu)), false);
    submit("ab12", "loginButton");
    EXPECT_EQ(window.topController()->objectName(), "navigationController");
    EXPECT_TRUE(heard.isEmpty());
    submit("Ab12", "loginButton");
    EXPECT_EQ(heard, QStringList({"login after finishedLogin", "lockTime after finishedLogin"}));
    EXPECT_EQ(setting("LockTime"), "1765000000.000000");
    EXPECT_EQ(window.topController(), nav);
}

TEST_F(AccessScreensTest, ALoginRestartsTheLockingPeriodOnlyWhenAPasswordIsStored) {
    auto* login = new LoginViewController(dir.paths(), &menu);
    root->presentModalViewController(new NavigationController(login), false);
    EXPECT_EQ(login->checkPassWordWithstring("1234"), kPassCodeNoPassword);
    EXPECT_EQ(setting("LockTime"), "0.000000");
    EXPECT_TRUE(menu.calls.isEmpty());
    root->dismissModalViewController(false);

    // A login for the reader, which has no menu to tell, still restarts the period.
    store.updatetel("PassWord", "2468");
    login = new LoginViewController(dir.paths(), nullptr);
    root->presentModalViewController(new NavigationController(login), false);
    clock.advance(30);
    EXPECT_EQ(login->checkPassWordWithstring("2468"), kPassCodeLoggedIn);
    EXPECT_EQ(setting("LockTime"), "1765000030.000000");
}

TEST_F(AccessScreensTest, APasswordWithQuotesIsStoredExactlyAndTheNextChangeNeedsIt) {
    AdminPasswordSteps::forgetSteps();
    nav->pushViewController(new SettingViewController(dir.paths(), &menu), false);
    const QString quoted = "12'3\"4' OR '1'='1";
    for (const QString& entry : {QString("1111"), QString("2222"), quoted, quoted})
        submit(entry, "saveButton");  // one mismatch, then saved
    EXPECT_EQ(setting("PassWord"), quoted.toStdString());
    EXPECT_EQ(nav->topViewController(), root);
    EXPECT_EQ(menu.calls, QStringList({"finishedLogin"}));
    EXPECT_EQ(setting("LockTime"), "0.000000");  // a new password does not touch it

    // Whoever opens the screen next must know the old password to change it.
    nav->pushViewController(new SettingViewController(dir.paths(), &menu), false);
    for (int i = 0; i < 3; ++i) submit("0000", "saveButton");
    EXPECT_EQ(setting("PassWord"), quoted.toStdString());
}

TEST_F(AccessScreensTest, LeavingAChangeAfterTheOldPasswordForgetsIt) {
    AdminPasswordSteps::forgetSteps();
    store.updatetel("PassWord", "2468");
    nav->pushViewController(new SettingViewController(dir.paths(), &menu), false);
    submit("2468", "saveButton");      // the owner's correct old password ...
    test::tap(&window, "backButton");  // ... and away
    clock.advance(1);

    // Someone else, through the login screen's "Change password": the first entry is
    // still taken as the old password, so nothing is changed and nobody is logged in.
    auto* login = new LoginViewController(dir.paths(), &menu);
    root->presentModalViewController(new NavigationController(login), false);
    test::tap(&window, "changePasswordButton");
    for (int i = 0; i < 3; ++i) submit("1111", "saveButton");
    EXPECT_EQ(setting("PassWord"), "2468");
    EXPECT_FALSE(menu.loggedIn);
    auto* pad = window.topController()->findChildren<QLabel*>("countLabel").last();
    EXPECT_EQ(pad->text(), localized("incorrect old password"));
}

TEST_F(AccessScreensTest, TheSwitchSavesRecordTimeAndLockTime) {
    store.updatetel("Time", "5");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    ASSERT_TRUE(switchOf(settings)->isOn());
    EXPECT_EQ(row(settings, "settingRow1")->detail(), "5 minutes");
    EXPECT_EQ(row(settings, "settingRow0")->detail(), "");

    for (const char* record : {"Off", "On"}) {
        clock.advance(10);
        QTest::mouseClick(switchOf(settings), Qt::LeftButton);
        EXPECT_EQ(setting("Record"), record);
        EXPECT_EQ(setting("Time"), "5");
        EXPECT_EQ(setting("LockTime"),
                  record == std::string("Off") ? "1765000010.000000" : "1765000020.000000");
    }
}

TEST_F(AccessScreensTest, WithHardlyAnySettingsTheSwitchIsOnAndSavedSo) {
    for (const char* key : {"Time", "PassWord", "LockTime"}) store.deleteTelephoneNumber(key);
    store.updatetel("Record", "Off");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    EXPECT_TRUE(switchOf(settings)->isOn());
    EXPECT_EQ(setting("Record"), "On");
    EXPECT_EQ(store.findAllNewSMS().size(), 1u);  // saving adds no rows
}

TEST_F(AccessScreensTest, TheChooserMovesItsCheckMarkOnlyWithWhatTheStoreKept) {
    menu.loggedIn = true;
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    QTest::mouseClick(row(settings, "settingRow1"), Qt::LeftButton);
    auto* chooser = qobject_cast<ChooseTimeLockViewController*>(nav->topViewController());
    ASSERT_NE(chooser, nullptr);
    auto checked = [&] {
        QList<int> rows;
        for (int r = 0; r < 5; ++r)
            if (row(chooser, QString("lockTimeRow%1").arg(r))->accessory() ==
                TableRow::Accessory::Checkmark)
                rows << r;
        return rows;
    };
    EXPECT_EQ(checked(), QList<int>({0}));
    QTest::mouseClick(row(chooser, "lockTimeRow4"), Qt::LeftButton);
    EXPECT_EQ(setting("Time"), "100000");
    EXPECT_EQ(checked(), QList<int>({4}));

    // The store refuses every change of the settings, as on a full or read-only disk.
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE UPDATE ON HidMSGNew "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    QTest::mouseClick(row(chooser, "lockTimeRow1"), Qt::LeftButton);
    ASSERT_EQ(alertMessage(), localized("setting not saved"));
    EXPECT_EQ(checked(), QList<int>({4}));
    EXPECT_EQ(setting("Time"), "100000");
    test::tapAlertButton(test::visibleAlert(), 0);
    nav->popViewControllerAnimated(false);
    EXPECT_EQ(row(settings, "settingRow1")->detail(), localized("Never"));
}

TEST_F(AccessScreensTest, LockedAutomaticLockingAsksForALoginOnceAndThenOpensTheChooser) {
    store.updatetel("PassWord", "2468");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    auto* lockRow = row(settings, "settingRow1");
    QTest::mouseClick(lockRow, Qt::LeftButton);
    ASSERT_NE(settings->modalViewController(), nullptr);
    test::tap(window.topController(), "loginBackButton");  // "Back" without logging in
    EXPECT_EQ(settings->modalViewController(), nullptr);
    EXPECT_TRUE(settings->isWaitingForLogin());

    QTest::mouseClick(lockRow, Qt::LeftButton);
    submit("2468", "loginButton");
    EXPECT_TRUE(menu.loggedIn);
    EXPECT_NE(qobject_cast<ChooseTimeLockViewController*>(nav->topViewController()), nullptr);
    EXPECT_EQ(nav->viewControllers().size(), 3);  // the chooser opened once
    EXPECT_FALSE(settings->isWaitingForLogin());
}

TEST_F(AccessScreensTest, APasswordChangeWhileWaitingLogsInWithoutTheChooser) {
    store.updatetel("PassWord", "2468");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    settings->selectRow(1);
    NotificationCenter::defaultCenter().postNotification(kNotificationLockTime,
                                                         QString("passWord"));
    EXPECT_TRUE(menu.loggedIn);
    EXPECT_EQ(menu.calls, QStringList({"setIsLogin", "finishedLogin"}));
    EXPECT_EQ(nav->topViewController(), settings);
    EXPECT_TRUE(settings->isWaitingForLogin());
}

TEST(LockTimeChoices, RowsAndDetailsReadAsAPersonSeesThem) {
    Localization::install("en");
    EXPECT_EQ(LockTimeChoices::rowTitles(),
              QStringList({"Immediately", "1 minute", "5 minutes", "30 minutes", "Never"}));
    EXPECT_EQ(LockTimeChoices::detailFor("0"), "Immediately");
    EXPECT_EQ(LockTimeChoices::detailFor("60"), "");  // an hour has no words of its own
    EXPECT_EQ(LockTimeChoices::detailFor("100000"), "Never");
    Localization::install("zh_TW");
    EXPECT_EQ(LockTimeChoices::detailFor("1"), "1 分鐘");
    Localization::install("en");
}
