// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include "backup/KdfParameters.h"

class QWidget;

namespace hv {

// Making a backup from the settings screen: the file chooser, the passphrase asked twice
// (ten characters at least; asked again after a refusal), the backup written off the UI
// thread, and an alert with the outcome. Lives as a child of the screen and deletes itself when
// done or cancelled.
class BackupCreation : public QObject {
    Q_OBJECT
public:
    BackupCreation(QWidget* screen, std::string documentsDirectory, KdfParameters kdf);

    void start();

private:
    void askPassphrase();
    void askAgain(const QString& passphrase);
    void write(const QString& passphrase);

    QWidget* screen_;
    std::string documentsDirectory_;
    KdfParameters kdf_;
    QString file_;
};

}  // namespace hv
