// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shoot.h"

#include <QApplication>
#include <cstdio>

#include "ui/Window.h"

bool shoot(hv::Window* window, const QDir& out, const QString& screen, const QString& language) {
    QApplication::processEvents();
    const QString file = out.filePath(screen + "-" + language + ".png");
    if (window->grab().save(file)) {
        std::printf("%s\n", qPrintable(file));
        return true;
    }
    std::fprintf(stderr, "hv_screenshots: cannot write %s\n", qPrintable(file));
    return false;
}
