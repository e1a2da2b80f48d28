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
    // The file chooser on screen (a chosen one goes only at the next turn of the loop).
    void choose(const std::string& file) {
        QFileDialog* dialog = nullptr;
        for (auto* shown : host.window.findChildren<QFileDialog*>("backupFileDialog"))
            if (shown->isVisible()) dialog = shown;
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");  // a protected slot
    }
    // Types into the visible alert's field and taps its second button.
    void answer(const QString& text) {
        AlertView* alert = test::visibleAlert();
        ASSERT_NE(alert, nullptr);
        ASSERT_NE(alert->textField(), nullptr);
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
    void backUp(SettingViewFirstController* settings, const QString& passphrase) {
        QTest::mouseClick(settings->findChild<TableRow*>("settingRow4"), Qt::LeftButton);
        choose(file);
        answer(passphrase);
        answer(passphrase);
    }
    void restore(SettingViewFirstController* settings, const QString& passphrase) {
        QTest::mouseClick(settings->findChild<TableRow*>("settingRow5"), Qt::LeftButton);
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
    backUp(settings, "a long passphrase");
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
}
