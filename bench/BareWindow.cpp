// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The anchor of the cold start: a bare Qt window with one label, shown and drawn once, in
// the same way as the application's start is ended (FirstFrameQuit).
#include <QApplication>
#include <QLabel>

#include "ui/FirstFrameQuit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("Hushvault");
    window.resize(320, 480);
    window.show();
    hv::FirstFrameQuit::armIfRequested();
    return app.exec();
}
