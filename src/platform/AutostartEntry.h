// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace hv {

// The XDG autostart entry that starts Hushvault in the background when the user's session
// starts, so that secret messages are noticed while no window is open:
// $XDG_CONFIG_HOME/autostart/<app id>.desktop, running the program with --background and
// the arguments given (the profile, when it is not the user's own).
class AutostartEntry {
public:
    AutostartEntry(QString program, QStringList arguments);
    // For the running program and the profile in that data directory (empty: the user's).
    static AutostartEntry forThisProgram(const QString& dataDirectory);

    QString path() const;
    bool isInstalled() const;
    // Writes the entry (replacing any earlier one) or removes it; false and the reason in
    // `error` when the file system refuses.
    bool install(QString* error) const;
    bool remove(QString* error) const;
    // The entry's text.
    QString contents() const;

private:
    QString program_;
    QStringList arguments_;
};

}  // namespace hv
