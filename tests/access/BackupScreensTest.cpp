// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Back up…" and "Restore…" in the settings: a backup made in one profile restores in
// another through the same screens, the passphrase is asked twice, and the alert says what
// a restore will do before it does it.
#include <QFileDialog>

#include "access/LoginListener.h"
#include "access/SettingViewFirstController.h"
#include "platform/LocalizationKeys.h"
#include "support/ui/ScreenTest.h"

using namespace hv;

namespace {

struct LoggedInMenu : LoginListener {
    bool IsLogin() const override { return true; }
    void setIsLogin(bool) override {}
    void finishedLogin(bool) override {}
};

class BackupScreensTest : public test::ScreenTest {
protected:
    // In the settings of the profile: taps the row, chooses the file and gives the
    // passphrase to each query.
    void run(const test::TempDir& profile, const char* row, int queries) {
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
    LoggedInMenu menu;
};

}  // namespace

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
