// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace hv {

// The five automatic-locking times, in minutes as stored in "Time", and how they read.
namespace LockTimeChoices {

QStringList values();  // "0", "1", "5", "30", "100000"
// The settings row's detail for a stored value: "Immediately", "1" + "mim",
// "5" + "mims", none for 60, "Never" above 60.
QString detailFor(const QString& value);
// The chooser's row titles, in the order of values().
QStringList rowTitles();

}  // namespace LockTimeChoices

}  // namespace hv
