// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

#include "backup/BackupError.h"

class QWidget;

namespace hv {

class AlertView;

// The alerts that making and restoring a backup share.
namespace BackupAlerts {

// A file chooser (QFileDialog, which a phone shell's portal can serve) over the screen's
// window; `chosen` gets the file, and is not called when the user cancels.
void chooseFile(QWidget* screen, bool forSaving, std::function<void(const QString&)> chosen);

// Asks for a passphrase in a secure text field; `answered` is not called on Cancel.
void askPassphrase(QWidget* screen, const char* titleKey, const char* messageKey,
                   std::function<void(const QString&)> answered);

// An alert without buttons while a backup is made or read; the caller dismisses it.
AlertView* showWaiting(QWidget* screen);

// Tells why a backup could not be made or restored; `then` runs once it is closed.
void showFailure(QWidget* screen, const char* titleKey, BackupError error,
                 std::function<void()> then = {});
QString messageFor(BackupError error);

// Tells the outcome with the title and the message given; `then` runs once it is closed.
void showDone(QWidget* screen, const char* titleKey, const QString& message,
              std::function<void()> then = {});

}  // namespace BackupAlerts

}  // namespace hv
