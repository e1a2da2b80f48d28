// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "backup/BackupContents.h"
#include "backup/RestorePlan.h"

class QWidget;

namespace hv {

// Restoring a backup from the settings screen: the file chooser, the passphrase, the whole
// file checked off the UI thread, then an alert that says what will be added and which side
// wins for contacts already here (see RestorePlan) before anything is written, and the
// outcome. `restored` runs after a restore that changed the profile. Lives as a child of
// the screen and deletes itself when done.
class BackupRestoration : public QObject {
    Q_OBJECT
public:
    BackupRestoration(QWidget* screen, std::string documentsDirectory,
                      std::function<void()> restored);

    void start();

    // The confirmation's text for a plan.
    static QString describe(const RestorePlan& plan);

private:
    void read(const QString& passphrase);
    void confirm();
    void apply();

    QWidget* screen_;
    std::string documentsDirectory_;
    std::function<void()> restored_;
    QString file_;
    RestorePlan plan_;
};

}  // namespace hv
