// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileDialog>

#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/PassCodeResult.h"
#include "access/SettingViewFirstController.h"
#include "platform/LocalizationKeys.h"
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

// "Back up…" and "Restore…" in the settings: a backup made in one profile restores in
// another through the same screens, the passphrase is asked twice, and the alert says what
// a restore will do before it does it.
class BackupScreensTest : public AccessScreensTest {
protected:
    // In the settings of the profile: taps the row, chooses the file and gives the
    // passphrase to each query.
    void run(const test::TempDir& profile, const char* row, int queries) {
        menu.loggedIn = true;
        while (nav->viewControllers().size() > 1) nav->popViewControllerAnimated(false);
        auto* settings = new SettingViewFirstController(profile.paths(), &menu);
        settings->setBackupKdf(KdfParameters::cheapest());
        nav->pushViewController(settings, false);
        QTest::mouseClick(settings->findChild<TableRow*>(row), Qt::LeftButton);
        QFileDialog* dialog = nullptr;
        for (auto* shown : window.findChildren<QFileDialog*>("backupFileDialog"))
            if (shown->isVisible()) dialog = shown;
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");  // a protected slot
        for (int query = 0; query < queries; ++query) {
            AlertView* alert = test::visibleAlert();
            ASSERT_TRUE(alert && alert->textField());
            QTest::keyClicks(alert->textField(), "a long passphrase");
            test::tapAlertButton(alert, 1);
        }
    }
    // The alert titled so, once the work in the background has finished.
    AlertView* alertTitled(const char* key) {
        const bool shown = QTest::qWaitFor([&] { return alertTitle() == localized(key); });
        return shown ? test::visibleAlert() : nullptr;
    }

    test::TempDir other;
    HushvaultSqlite otherStore{other.path()};
    const std::string file = other.file("phone.hvbackup");
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
    submit("Ab12", "loginButton");
    EXPECT_EQ(heard, QStringList({"login after finishedLogin", "lockTime after finishedLogin"}));
    EXPECT_EQ(setting("LockTime"), "1765000000.000000");
    EXPECT_EQ(window.topController(), nav);
}

TEST_F(BackupScreensTest, ABackupMadeInOneProfileRestoresInAnother) {
    StartupSequence::run(otherStore, "1.0", 0);
    store.addContracts("Lei", "13800138000", "tea", "1");
    store.addContracts("Ana", "555", "coffee", "0");
    store.addSMS("13800138000", "see you at eight", "2026-12-01 20:00:00", "3");
    store.updatetel("PassWord", "2468");
    run(dir, "settingRow4", 2);
    AlertView* saved = alertTitled(kKeyBackupSaved);
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(saved->messageText().startsWith("2 contacts and 1 records are in phone.hvbackup"))
        << saved->messageText().toStdString();
    test::tapAlertButton(saved, 0);

    run(other, "settingRow5", 1);
    AlertView* question = alertTitled(kKeyRestoreQuestion);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->messageText(), "Adds 2 contacts, 1 records and the backup's settings.");
    EXPECT_TRUE(otherStore.findAllContracts().empty());  // nothing before the answer
    test::tapAlertButton(question, 1);
    AlertView* restored = alertTitled(kKeyRestored);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->messageText(), "2 contacts and 1 records were added.");
    EXPECT_EQ(otherStore.findContractByTelephoneNumber("13800138000").passWord, "tea");
    EXPECT_EQ(otherStore.findAllSMS().size(), 1u);
}
