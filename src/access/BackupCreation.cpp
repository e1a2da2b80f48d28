// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/BackupCreation.h"

#include <QFileInfo>
#include <QPointer>

#include "access/BackgroundWork.h"
#include "access/BackupAlerts.h"
#include "backup/ProfileBackup.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"

namespace hv {

namespace {

struct Outcome {
    BackupError error = BackupError::None;
    std::size_t contacts = 0;
    std::size_t records = 0;
};

}  // namespace

BackupCreation::BackupCreation(QWidget* screen, std::string documentsDirectory, KdfParameters kdf)
    : QObject(screen),
      screen_(screen),
      documentsDirectory_(std::move(documentsDirectory)),
      kdf_(kdf) {}

void BackupCreation::start() {
    BackupAlerts::chooseFile(screen_, true, [this](const QString& file) {
        file_ = file;
        askPassphrase();
    });
    // Cancelled, the chooser or an alert leaves this object to its screen, which deletes it.
}

void BackupCreation::askPassphrase() {
    BackupAlerts::askPassphrase(
        screen_, kKeyBackupPassphrase, kKeyBackupPassphraseHint, [this](const QString& passphrase) {
            if (ProfileBackup::isLongEnough(passphrase.toStdString())) {
                askAgain(passphrase);
                return;
            }
            // Asked again once the reason is read: the file stays chosen.
            BackupAlerts::showFailure(screen_, kKeyBackupFailed, BackupError::ShortPassphrase,
                                      [this] { askPassphrase(); });
        });
}

void BackupCreation::askAgain(const QString& passphrase) {
    BackupAlerts::askPassphrase(screen_, kKeyBackupPassphrase, kKeyRepeatPassphrase,
                                [this, passphrase](const QString& again) {
                                    if (again == passphrase) {
                                        write(passphrase);
                                        return;
                                    }
                                    BackupAlerts::showDone(screen_, kKeyBackupFailed,
                                                           localized(kKeyPassphrasesDiffer),
                                                           [this] { askPassphrase(); });
                                });
}

void BackupCreation::write(const QString& passphrase) {
    QPointer<AlertView> waiting = BackupAlerts::showWaiting(screen_);
    const std::string directory = documentsDirectory_, file = file_.toStdString();
    const std::string secret = passphrase.toStdString();
    const KdfParameters kdf = kdf_;
    runInBackground<Outcome>(
        this,
        [directory, file, secret, kdf] {
            const ProfileBackup profile(directory);
            Outcome outcome;
            BackupContents written;
            outcome.error = profile.create(file, secret, kdf, &written);
            outcome.contacts = written.contacts.size();
            outcome.records = written.records.size();
            return outcome;
        },
        [this, waiting](Outcome outcome) {
            if (waiting) waiting->dismiss();
            if (outcome.error != BackupError::None) {
                BackupAlerts::showFailure(screen_, kKeyBackupFailed, outcome.error);
            } else {
                BackupAlerts::showDone(screen_, kKeyBackupSaved,
                                       localized(kKeyBackupSavedDetail)
                                           .arg(outcome.contacts)
                                           .arg(outcome.records)
                                           .arg(QFileInfo(file_).fileName()));
            }
            deleteLater();
        });
}

}  // namespace hv
