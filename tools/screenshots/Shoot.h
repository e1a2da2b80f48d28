// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QString>

namespace hv {
class Window;
}

// Saves what the window shows as <out>/<screen>-<language>.png and prints its name.
bool shoot(hv::Window* window, const QDir& out, const QString& screen, const QString& language);
