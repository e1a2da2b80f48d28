// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/PassCodeResult.h"
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
    void setIsLogin(bool flag) override { loggedIn = flag; }
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

TEST_F(AccessScreensTest, PadChecksLengthAndKeepsAnEntryWithNothingToCompareWith) {
    PassWordView pad;
    ScriptedOwner owner;
    pad.setDelegate(&owner);
    QTest::keyClicks(pad.lineTextField(), "123");
    QTest::keyClick(pad.lineTextField(), Qt::Key_Return);
    EXPECT_TRUE(owner.received.isEmpty());
    ASSERT_EQ(alertMessage(), localized("password length"));
    EXPECT_EQ(pad.lineTextField()->text(), "123");
    test::visibleAlert()->dismiss();

    owner.code = kPassCodeNoPassword;  // nothing to compare with: the entry stays
    pad.lineTextField()->setText("5555");
    pad.setFieldWithNumber();
    clock.advance(1);
    EXPECT_EQ(pad.lineTextField()->text(), "5555");
    EXPECT_EQ(pad.findChild<QLabel*>("countLabel")->text(), localized("no pass word"));
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
