// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Back up…" and "Restore…" in the settings: a backup made in one profile restores in
// another through the same screens, the passphrase is asked twice and checked, the alert
// says what a restore will do before it does it, and refusals change nothing.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "access/LoginListener.h"
#include "access/SettingViewFirstController.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "support/ScreenHost.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/TableRow.h"

using namespace hv;

namespace {

struct LoggedInMenu : LoginListener {
    bool loggedIn = true;
    bool IsLogin() const override { return loggedIn; }
    void setIsLogin(bool flag) override { loggedIn = flag; }
    void finishedLogin(bool flag) override { loggedIn = flag; }
};

class BackupScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        Localization::install("en");
        StartupSequence::run(storeA, "1.0", 0);
        StartupSequence::run(storeB, "1.0", 0);
        storeA.addContracts("Lei", "13800138000", "tea", "1");
        storeA.addContracts("Ana", "555", "coffee", "0");
        storeA.addSMS("13800138000", "see you at eight", "2026-12-01 20:00:00", "3");
        storeA.updatetel("PassWord", "2468");
    }

    // The settings of a profile, on top of the navigation.
    SettingViewFirstController* open(const test::TempDir& profile) {
        while (host.nav->viewControllers().size() > 1) host.nav->popViewControllerAnimated(false);
        auto* settings = new SettingViewFirstController(profile.paths(), &menu);
        settings->setBackupKdf(KdfParameters::cheapest());
        host.nav->pushViewController(settings, false);
        return settings;
    }
    void tapRow(SettingViewFirstController* settings, int row) {
        QTest::mouseClick(settings->findChild<TableRow*>(QString("settingRow%1").arg(row)),
                          Qt::LeftButton);
    }
    // The file chooser on screen (a chosen one goes only at the next turn of the loop).
    QFileDialog* chooser() {
        for (auto* dialog : host.window.findChildren<QFileDialog*>("backupFileDialog"))
            if (dialog->isVisible()) return dialog;
        return nullptr;
    }
    void choose(const std::string& file) {
        QFileDialog* dialog = chooser();
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");  // a protected slot
    }
    // Types into the visible alert's field and taps its second button.
    void answer(const QString& text) {
        AlertView* alert = test::visibleAlert();
        ASSERT_NE(alert, nullptr);
        ASSERT_NE(alert->textField(), nullptr);
        EXPECT_EQ(alert->textField()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(alert->textField(), text);
        test::tapAlertButton(alert, 1);
    }
    // The alert titled so, once the work in the background has finished.
    AlertView* alertTitled(const char* key) {
        const bool shown = QTest::qWaitFor([&] {
            AlertView* alert = test::visibleAlert();
            return alert && alert->titleText() == localized(key);
        });
        return shown ? test::visibleAlert() : nullptr;
    }
    void backUp(SettingViewFirstController* settings, const QString& first, const QString& again) {
        tapRow(settings, 4);
        choose(file);
        answer(first);
        if (!again.isNull()) answer(again);
    }
    void restore(SettingViewFirstController* settings, const QString& passphrase) {
        tapRow(settings, 5);
        choose(file);
        answer(passphrase);
    }

    test::TempDir a, b, files;
    HushvaultSqlite storeA{a.path()}, storeB{b.path()};
    const std::string file = files.file("phone.hvbackup");
    test::ScreenHost host;
    LoggedInMenu menu;
};

}  // namespace

TEST_F(BackupScreensTest, ABackupMadeInOneProfileRestoresInAnother) {
    auto* settings = open(a);
    backUp(settings, "a long passphrase", "a long passphrase");
    AlertView* saved = alertTitled(kKeyBackupSaved);
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(saved->messageText().startsWith("2 contacts and 1 records are in phone.hvbackup"))
        << saved->messageText().toStdString();
    test::tapAlertButton(saved, 0);

    settings = open(b);
    restore(settings, "a long passphrase");
    AlertView* question = alertTitled(kKeyRestoreQuestion);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->messageText(), "Adds 2 contacts, 1 records and the backup's settings.");
    EXPECT_TRUE(storeB.findAllContracts().empty());  // nothing before the answer
    test::tapAlertButton(question, 1);
    AlertView* restored = alertTitled(kKeyRestored);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->messageText(), "2 contacts and 1 records were added.");
    EXPECT_EQ(storeB.findContractByTelephoneNumber("13800138000").passWord, "tea");
    EXPECT_EQ(storeB.findAllSMS().size(), 1u);
    // The screen shows the restored administrator password at once.
    EXPECT_EQ(settings->findChild<TableRow*>("settingRow0")->detail(), localized(kKeySetted));
}

TEST_F(BackupScreensTest, TheAlertSaysWhichSideWinsAndCancellingWritesNothing) {
    backUp(open(a), "a long passphrase", "a long passphrase");
    test::tapAlertButton(alertTitled(kKeyBackupSaved), 0);
    storeB.addContracts("Lei on the new phone", "13800138000", "green tea", "1");
    const std::string before = test::readFile(storeB.dataBasePath());

    auto* settings = open(b);
    restore(settings, "a long passphrase");
    AlertView* question = alertTitled(kKeyRestoreQuestion);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->messageText(),
              "Adds 1 contacts and 1 records. Contacts whose number is already here keep this "
              "phone's name and password: 1 (1 of them differ from the backup). This phone's "
              "settings stay.");
    test::tapAlertButton(question, 0);
    EXPECT_EQ(test::readFile(storeB.dataBasePath()), before);

    restore(settings, "a long passphrase");
    test::tapAlertButton(alertTitled(kKeyRestoreQuestion), 1);
    ASSERT_NE(alertTitled(kKeyRestored), nullptr);
    EXPECT_EQ(storeB.findContractByTelephoneNumber("13800138000").passWord, "green tea");
    EXPECT_EQ(storeB.findContractByTelephoneNumber("555").passWord, "coffee");
}

TEST_F(BackupScreensTest, PassphrasesAreCheckedAndAWrongOneRestoresNothing) {
    auto* settings = open(a);
    backUp(settings, "nine char", QString());
    AlertView* tooShort = alertTitled(kKeyBackupFailed);
    ASSERT_NE(tooShort, nullptr);
    EXPECT_EQ(tooShort->messageText(), localized(kKeyPassphraseTooShort));
    test::tapAlertButton(tooShort, 0);

    // Asked again, for the same file.
    answer("a long passphrase");
    answer("a long passphrase!");
    AlertView* differ = alertTitled(kKeyBackupFailed);
    ASSERT_NE(differ, nullptr);
    EXPECT_EQ(differ->messageText(), localized(kKeyPassphrasesDiffer));
    test::tapAlertButton(differ, 0);
    EXPECT_EQ(test::readFile(file), "");

    answer("a long passphrase");
    answer("a long passphrase");
    test::tapAlertButton(alertTitled(kKeyBackupSaved), 0);
    storeB.addContracts("Kai", "777", "milk", "1");
    const std::string before = test::readFile(storeB.dataBasePath());
    restore(open(b), "another passphrase");
    AlertView* failed = alertTitled(kKeyRestoreFailed);
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->messageText(), localized(kKeyBackupWrongPassphrase));
    EXPECT_EQ(test::readFile(storeB.dataBasePath()), before);
}

TEST_F(BackupScreensTest, WhileLoggedOutTheRowsAskForTheLoginFirst) {
    menu.loggedIn = false;
    storeB.updatetel("PassWord", "1357");
    auto* settings = open(b);
    tapRow(settings, 5);
    ASSERT_NE(settings->modalViewController(), nullptr);
    EXPECT_EQ(chooser(), nullptr);
    auto* field = host.window.topController()->findChildren<QLineEdit*>("lineTextField").last();
    field->setText("1357");
    test::tap(host.window.topController(), "loginButton");
    EXPECT_TRUE(menu.loggedIn);
    EXPECT_NE(chooser(), nullptr);
}
