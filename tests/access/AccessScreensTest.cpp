// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/AdminPasswordSteps.h"
#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/PassCodeResult.h"
#include "access/SettingViewController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "support/ui/ScreenTest.h"

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

    owner.code = kPassCodeNoPassword;  // nothing to compare with: the entry stays
    pad.lineTextField()->setText("5555");
    pad.setFieldWithNumber();
    clock.advance(1);
    EXPECT_EQ(pad.lineTextField()->text(), "5555");
    EXPECT_EQ(status->text(), localized("no pass word"));
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
    EXPECT_TRUE(heard.isEmpty());
    submit("Ab12", "loginButton");
    EXPECT_EQ(heard, QStringList({"login after finishedLogin", "lockTime after finishedLogin"}));
    EXPECT_EQ(setting("LockTime"), "1765000000.000000");
    EXPECT_EQ(window.topController(), nav);
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
