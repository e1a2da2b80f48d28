// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "access/AdminPasswordSteps.h"
#include "access/ChooseTimeLockViewController.h"
#include "access/LockTimeChoices.h"
#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/PassCodeResult.h"
#include "access/SettingViewController.h"
#include "access/SettingViewFirstController.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "support/ManualClock.h"
#include "support/RawSql.h"
#include "support/ScreenHost.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/SwitchControl.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

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

class AccessScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        Localization::install("en");
        StartupSequence::run(store, "1.0", 0);
    }
    std::string setting(const char* key) {
        return store.findTelephoneNumber(key).value_or("<none>");
    }

    // Types into the top screen's pad and submits it with its bar button.
    void submit(const QString& passcode, const QString& button) {
        ViewController* top = window.topController();
        auto* field = top->findChildren<QLineEdit*>("lineTextField").last();
        field->setText(passcode);
        test::tap(top, button);
    }

    test::TempDir dir;
    test::ManualClock clock{1765000000.0};
    HushvaultSqlite store{dir.path()};
    test::ScreenHost host;
    Window& window = host.window;
    ViewController* root = host.root;
    NavigationController* nav = host.nav;
    FakeMenu menu;
};

QLabel* countLabelOf(const QWidget& pad) {
    return pad.findChild<QLabel*>("countLabel");
}

SwitchControl* switchOf(const QWidget* settings) {
    return settings->findChild<SwitchControl*>("messageSwitch");
}

QColor colourOf(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

}  // namespace

TEST_F(AccessScreensTest, PadChecksLengthAndShowsEachCode) {
    PassWordView pad;
    ScriptedOwner owner;
    pad.setDelegate(&owner);
    pad.lineTextField()->setText("123");
    pad.setFieldWithNumber();
    EXPECT_TRUE(owner.received.isEmpty());
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("password length"));
    EXPECT_EQ(pad.lineTextField()->text(), "123");
    test::visibleAlert()->dismiss();

    owner.code = kPassCodeWrongOld;
    pad.lineTextField()->setText("1234");
    pad.setFieldWithNumber();
    EXPECT_EQ(owner.received, QStringList({"1234"}));
    EXPECT_EQ(countLabelOf(pad)->text(), localized("incorrect old password"));
    EXPECT_EQ(colourOf(countLabelOf(pad)), QColor(0xd0, 0x02, 0x1b));
    EXPECT_EQ(pad.lineTextField()->text(), "1234");
    clock.advance(0.5);
    EXPECT_EQ(pad.lineTextField()->text(), "");
    EXPECT_EQ(countLabelOf(pad)->text(), localized("incorrect old password"));

    owner.code = kPassCodeConfirmNew;  // after a red code: stays red
    pad.lineTextField()->setText("123456789");
    pad.setFieldWithNumber();
    EXPECT_EQ(colourOf(countLabelOf(pad)), QColor(0xd0, 0x02, 0x1b));
    owner.code = kPassCodeConfirmAdmin;
    pad.setFieldWithNumber();
    EXPECT_EQ(colourOf(countLabelOf(pad)), QColor(Qt::black));
    owner.code = kPassCodeConfirmNew;  // after black: stays black
    pad.setFieldWithNumber();
    EXPECT_EQ(colourOf(countLabelOf(pad)), QColor(Qt::black));
    EXPECT_EQ(countLabelOf(pad)->text(), localized("input the new password again"));

    clock.advance(0.5);  // the emptying timers of the codes above
    owner.code = kPassCodeNoPassword;
    pad.lineTextField()->setText("5555");
    pad.setFieldWithNumber();
    clock.advance(1);
    EXPECT_EQ(pad.lineTextField()->text(), "5555");
    EXPECT_EQ(countLabelOf(pad)->text(), localized("no pass word"));
}

TEST_F(AccessScreensTest, EnterOnATooShortPasscodeLeavesTheAlertUp) {
    PassWordView pad;
    ScriptedOwner owner;
    pad.setDelegate(&owner);
    QTest::keyClicks(pad.lineTextField(), "12");
    QTest::keyClick(pad.lineTextField(), Qt::Key_Return);
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("password length"));
    EXPECT_TRUE(owner.received.isEmpty());
}

TEST_F(AccessScreensTest, TheEmptyingSparesAnEntryTypedBeforeIt) {
    PassWordView pad;
    ScriptedOwner owner;
    owner.code = kPassCodeConfirmAdmin;
    pad.setDelegate(&owner);
    pad.lineTextField()->setText("2468");
    pad.setFieldWithNumber();
    clock.advance(0.3);
    QTest::keyClicks(pad.lineTextField(), "13");  // a quick typist's next entry
    clock.advance(0.3);
    EXPECT_EQ(pad.lineTextField()->text(), "13");
}

TEST_F(AccessScreensTest, TouchingThePadTogglesTheKeyboard) {
    PassWordView pad;
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

TEST_F(AccessScreensTest, AtTheKeyboardAFailedLoginLeavesTheNextDigitsInThePad) {
    store.updatetel("PassWord", "2468");
    auto* login = new LoginViewController(dir.paths(), &menu);
    root->presentModalViewController(new NavigationController(login), false);
    test::activate(&window);
    ASSERT_EQ(QApplication::focusWidget(), login->findChild<QLineEdit*>("lineTextField"));

    QTest::keyClicks(QApplication::focusWidget(), "1357");
    test::tap(&window, "loginButton");  // with the mouse: the focus stays in the pad
    EXPECT_EQ(login->findChild<QLabel*>("countLabel")->text(),
              localized("incorrect admin password"));
    clock.advance(0.5);
    QTest::keyClicks(QApplication::focusWidget(), "2468");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter submits
    EXPECT_TRUE(menu.loggedIn);
    EXPECT_EQ(window.topController(), nav);
}

TEST_F(AccessScreensTest, ALoginForTheReaderStillRestartsTheLockingPeriod) {
    store.updatetel("PassWord", "2468");
    auto* login = new LoginViewController(dir.paths(), nullptr);
    root->presentModalViewController(new NavigationController(login), false);
    clock.advance(30);
    EXPECT_EQ(login->checkPassWordWithstring("2468"), kPassCodeLoggedIn);
    EXPECT_EQ(setting("LockTime"), "1765000030.000000");
}

TEST_F(AccessScreensTest, WithoutAStoredPasswordTheLoginWritesNothing) {
    auto* login = new LoginViewController(dir.paths(), &menu);
    root->presentModalViewController(new NavigationController(login), false);
    EXPECT_EQ(login->checkPassWordWithstring("1234"), kPassCodeNoPassword);
    EXPECT_EQ(setting("LockTime"), "0.000000");
    EXPECT_TRUE(menu.calls.isEmpty());
}

TEST_F(AccessScreensTest, APasswordWithQuotesIsStoredExactly) {
    AdminPasswordSteps::forgetSteps();
    auto* screen = new SettingViewController(dir.paths(), &menu);
    nav->pushViewController(screen, false);
    const QString quoted = "12'3\"4' OR '1'='1";
    submit(quoted, "saveButton");
    submit(quoted, "saveButton");
    EXPECT_EQ(setting("PassWord"), quoted.toStdString());
    EXPECT_EQ(nav->topViewController(), root);
    EXPECT_EQ(menu.calls, QStringList({"finishedLogin"}));
    EXPECT_EQ(setting("LockTime"), "0.000000");  // a new password does not touch it
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

TEST_F(AccessScreensTest, ASetPasswordLeavesNoStepsForTheNextChange) {
    AdminPasswordSteps::forgetSteps();
    nav->pushViewController(new SettingViewController(dir.paths(), &menu), false);
    for (const char* entry : {"1111", "2222", "2468", "2468"})  // one mismatch, then saved
        submit(entry, "saveButton");
    ASSERT_EQ(setting("PassWord"), "2468");
    ASSERT_EQ(nav->topViewController(), root);

    // Whoever opens the screen next must know the old password to change it.
    nav->pushViewController(new SettingViewController(dir.paths(), &menu), false);
    for (int i = 0; i < 3; ++i) submit("0000", "saveButton");
    EXPECT_EQ(setting("PassWord"), "2468");
}

TEST_F(AccessScreensTest, TheSwitchSavesRecordTimeAndLockTime) {
    store.updatetel("Time", "5");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    ASSERT_TRUE(switchOf(settings)->isOn());
    EXPECT_EQ(settings->findChild<TableRow*>("settingRow1")->detail(), "5 minutes");
    EXPECT_EQ(settings->findChild<TableRow*>("settingRow0")->detail(), "");

    clock.advance(10);
    QTest::mouseClick(switchOf(settings), Qt::LeftButton);
    EXPECT_EQ(setting("Record"), "Off");
    EXPECT_EQ(setting("Time"), "5");
    EXPECT_EQ(setting("LockTime"), "1765000010.000000");
    clock.advance(10);
    QTest::mouseClick(switchOf(settings), Qt::LeftButton);
    EXPECT_EQ(setting("Record"), "On");
    EXPECT_EQ(setting("LockTime"), "1765000020.000000");
}

TEST_F(AccessScreensTest, ASettingTheStoreRefusesIsSaidAndNotShownAsKept) {
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    ASSERT_TRUE(switchOf(settings)->isOn());
    // The store refuses every change of the settings, as on a full or read-only disk.
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE UPDATE ON HidMSGNew "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));

    QTest::mouseClick(switchOf(settings), Qt::LeftButton);
    AlertView* alert = test::visibleAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->messageText(), "The setting could not be saved. It stays as it was.");
    EXPECT_TRUE(switchOf(settings)->isOn());
    EXPECT_EQ(setting("Record"), "On");
    test::tapAlertButton(alert, 0);

    // The chooser's check mark stays on the stored choice.
    menu.loggedIn = true;
    QTest::mouseClick(settings->findChild<TableRow*>("settingRow1"), Qt::LeftButton);
    auto* chooser = qobject_cast<ChooseTimeLockViewController*>(nav->topViewController());
    ASSERT_NE(chooser, nullptr);
    QTest::mouseClick(chooser->findChild<TableRow*>("lockTimeRow4"), Qt::LeftButton);
    ASSERT_TRUE(test::visibleAlert());
    EXPECT_EQ(chooser->findChild<TableRow*>("lockTimeRow0")->accessory(),
              TableRow::Accessory::Checkmark);
    EXPECT_EQ(chooser->findChild<TableRow*>("lockTimeRow4")->accessory(),
              TableRow::Accessory::None);
    EXPECT_EQ(setting("Time"), "0");
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

TEST_F(AccessScreensTest, TheChooserMovesItsCheckMarkAndSavesOnEachTap) {
    menu.loggedIn = true;
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    QTest::mouseClick(settings->findChild<TableRow*>("settingRow1"), Qt::LeftButton);
    auto* chooser = qobject_cast<ChooseTimeLockViewController*>(nav->topViewController());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->title(), localized("Automatic locking"));
    auto row = [&](int r) {
        return chooser->findChild<TableRow*>(QString("lockTimeRow%1").arg(r));
    };
    EXPECT_EQ(row(0)->accessory(), TableRow::Accessory::Checkmark);
    EXPECT_EQ(row(4)->title(), localized("Never"));
    QTest::mouseClick(row(4), Qt::LeftButton);
    EXPECT_EQ(setting("Time"), "100000");
    EXPECT_EQ(row(4)->accessory(), TableRow::Accessory::Checkmark);
    EXPECT_EQ(row(0)->accessory(), TableRow::Accessory::None);
    QTest::mouseClick(row(1), Qt::LeftButton);
    EXPECT_EQ(setting("Time"), "1");
    nav->popViewControllerAnimated(false);
    EXPECT_EQ(settings->findChild<TableRow*>("settingRow1")->detail(), "1 minute");
}

TEST_F(AccessScreensTest, LockedAutomaticLockingAsksForALoginOnceAndThenOpensTheChooser) {
    store.updatetel("PassWord", "2468");
    auto* settings = new SettingViewFirstController(dir.paths(), &menu);
    nav->pushViewController(settings, false);
    auto* lockRow = settings->findChild<TableRow*>("settingRow1");
    QTest::mouseClick(lockRow, Qt::LeftButton);
    ASSERT_NE(settings->modalViewController(), nullptr);
    test::tap(window.topController(), "loginBackButton");  // "Back" without logging in
    EXPECT_EQ(settings->modalViewController(), nullptr);
    EXPECT_TRUE(settings->isWaitingForLogin());

    QTest::mouseClick(lockRow, Qt::LeftButton);
    submit("2468", "loginButton");
    EXPECT_TRUE(menu.loggedIn);
    EXPECT_EQ(qobject_cast<ChooseTimeLockViewController*>(nav->topViewController()) != nullptr,
              true);
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
    EXPECT_EQ(LockTimeChoices::detailFor("5"), "5 minutes");
    EXPECT_EQ(LockTimeChoices::detailFor("60"), "");  // an hour has no words of its own
    EXPECT_EQ(LockTimeChoices::detailFor("100000"), "Never");
    Localization::install("zh_CN");
    EXPECT_EQ(LockTimeChoices::rowTitles(),
              QStringList({"立即", "1 分钟", "5 分钟", "30 分钟", "从不"}));
    Localization::install("zh_TW");
    EXPECT_EQ(LockTimeChoices::detailFor("1"), "1 分鐘");
    Localization::install("en");
}
