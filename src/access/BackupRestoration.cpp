// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/BackupRestoration.h"

#include <QPointer>

#include "access/BackgroundWork.h"
#include "access/BackupAlerts.h"
#include "backup/ProfileBackup.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"
#include "ui/Window.h"

namespace hv {

namespace {

struct Checked {
    BackupError error = BackupError::None;
    RestorePlan plan;
};

}  // namespace

BackupRestoration::BackupRestoration(QWidget* screen, std::string documentsDirectory,
                                     std::function<void()> restored)
    : QObject(screen),
      screen_(screen),
      documentsDirectory_(std::move(documentsDirectory)),
      restored_(std::move(restored)) {}

void BackupRestoration::start() {
    BackupAlerts::chooseFile(screen_, false, [this](const QString& file) {
        file_ = file;
        BackupAlerts::askPassphrase(screen_, kKeyBackupPassphrase, kKeyRestorePassphraseHint,
                                    [this](const QString& passphrase) { read(passphrase); });
    });
}

QString BackupRestoration::describe(const RestorePlan& plan) {
    if (plan.empty()) return localized(kKeyRestoreNothingNew);
    const auto contacts = plan.contactsToAdd.size(), records = plan.recordsToAdd.size();
    if (plan.intoEmptyProfile) return localized(kKeyRestoreIntoEmpty).arg(contacts).arg(records);
    return localized(kKeyRestoreMerge)
        .arg(contacts)
        .arg(records)
        .arg(plan.contactsKept)
        .arg(plan.contactsKeptDiffering);
}

void BackupRestoration::read(const QString& passphrase) {
    QPointer<AlertView> waiting = BackupAlerts::showWaiting(screen_);
    const std::string directory = documentsDirectory_, file = file_.toStdString();
    const std::string secret = passphrase.toStdString();
    runInBackground<Checked>(
        this,
        [directory, file, secret] {
            Checked checked;
            BackupContents contents;
            checked.error = ProfileBackup::read(file, secret, contents);
            if (checked.error == BackupError::None)
                checked.error = ProfileBackup(directory).plan(contents, checked.plan);
            return checked;
        },
        [this, waiting](Checked checked) {
            if (waiting) waiting->dismiss();
            if (checked.error != BackupError::None) {
                BackupAlerts::showFailure(screen_, kKeyRestoreFailed, checked.error);
                deleteLater();
                return;
            }
            plan_ = std::move(checked.plan);
            confirm();
        });
}

void BackupRestoration::confirm() {
    if (plan_.empty()) {
        BackupAlerts::showDone(screen_, kKeyRestored, describe(plan_));
        deleteLater();
        return;
    }
    auto* alert = new AlertView(kKeyRestoreQuestion, nullptr, kKeyCancel, {kKeyRestoreButton},
                                [this](AlertView*, int index) {
                                    if (index == 1)
                                        apply();
                                    else
                                        deleteLater();
                                });
    alert->setMessageText(describe(plan_));
    alert->show(Window::of(screen_));
}

void BackupRestoration::apply() {
    // One transaction of at most some thousands of rows: quick enough for the UI thread.
    const BackupError error = ProfileBackup(documentsDirectory_).apply(plan_);
    if (error != BackupError::None) {
        BackupAlerts::showFailure(screen_, kKeyRestoreFailed, error);
    } else {
        if (restored_) restored_();
        BackupAlerts::showDone(screen_, kKeyRestored,
                               localized(kKeyRestoredDetail)
                                   .arg(plan_.contactsToAdd.size())
                                   .arg(plan_.recordsToAdd.size()));
    }
    deleteLater();
}

}  // namespace hv
