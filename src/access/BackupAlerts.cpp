// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/BackupAlerts.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/ActivityIndicator.h"
#include "ui/AlertView.h"
#include "ui/Window.h"

namespace hv {

void BackupAlerts::chooseFile(QWidget* screen, bool forSaving,
                              std::function<void(const QString&)> chosen) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    auto* dialog = new QFileDialog(
        screen->window(), localized(forSaving ? kKeyBackupFileTitle : kKeyRestoreFileTitle), folder,
        localized(kKeyBackupFilter));
    dialog->setObjectName("backupFileDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (forSaving) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix("hvbackup");
        dialog->selectFile(
            QString("hushvault-%1.hvbackup").arg(QDate::currentDate().toString(Qt::ISODate)));
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    QObject::connect(dialog, &QFileDialog::fileSelected, screen,
                     [chosen = std::move(chosen)](const QString& file) { chosen(file); });
    dialog->open();  // window-modal, never blocking
}

void BackupAlerts::askPassphrase(QWidget* screen, const char* titleKey, const char* messageKey,
                                 std::function<void(const QString&)> answered) {
    auto* alert = new AlertView(titleKey, messageKey, kKeyCancel, {kKeyNext},
                                [answered = std::move(answered)](AlertView* a, int index) {
                                    if (index == 1) answered(a->textField()->text());
                                });
    alert->addTextField(true)->setObjectName("passphraseField");
    alert->show(Window::of(screen));
}

AlertView* BackupAlerts::showWaiting(QWidget* screen) {
    auto* alert = new AlertView(kKeyPleaseWait, nullptr, nullptr, {});
    auto* spinner = new ActivityIndicator;
    alert->addContentWidget(spinner);
    spinner->startAnimating();
    alert->show(Window::of(screen));
    return alert;
}

QString BackupAlerts::messageFor(BackupError error) {
    switch (error) {
        case BackupError::ShortPassphrase:
            return localized(kKeyPassphraseTooShort);
        case BackupError::NewerFormat:
            return localized(kKeyBackupNewer);
        case BackupError::WrongPassphrase:
            return localized(kKeyBackupWrongPassphrase);
        case BackupError::Damaged:
            return localized(kKeyBackupDamaged);
        case BackupError::NotABackup:
        case BackupError::HostileParameters:
        case BackupError::TooLarge:
        case BackupError::BadContents:
            return localized(kKeyBackupNotBackup);
        case BackupError::CannotRead:
            return localized(kKeyBackupCannotRead);
        case BackupError::CannotReadProfile:
            return localized(kKeyBackupProfileUnreadable);
        case BackupError::OutOfMemory:
            return localized(kKeyBackupNoMemory);
        case BackupError::None:
        case BackupError::CannotWrite:
            break;
    }
    return localized(kKeyBackupCannotWrite);
}

void BackupAlerts::showFailure(QWidget* screen, const char* titleKey, BackupError error,
                               std::function<void()> then) {
    showDone(screen, titleKey, messageFor(error), std::move(then));
}

void BackupAlerts::showDone(QWidget* screen, const char* titleKey, const QString& message,
                            std::function<void()> then) {
    auto* alert =
        new AlertView(titleKey, nullptr, kKeySure, {}, [then = std::move(then)](AlertView*, int) {
            if (then) then();
        });
    alert->setMessageText(message);
    alert->show(Window::of(screen));
}

}  // namespace hv
