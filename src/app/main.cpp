// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "Version.h"
#include "app/HushvaultApplication.h"
#include "app/LaunchOptions.h"
#include "crypto/Md5.h"
#include "platform/PhoneShell.h"
#include "ui/FirstFrameQuit.h"

namespace {

// Without any display QApplication would abort with a cryptic message.
bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(qPrintable(hv::LaunchOptions::usage()), stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("hushvault %s\n", kHushvaultVersion);
            return 0;
        }
    }
    if (!hasDisplay()) {
        std::fputs(
            "hushvault: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start it from a desktop session, or run it headless with "
            "QT_QPA_PLATFORM=offscreen.\n",
            stderr);
        return 1;
    }
    hv::PhoneShell::prepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName("hushvault");
    QApplication::setApplicationVersion(kHushvaultVersion);
    // The Wayland app id and the X11 class: the shell finds the icon and name by it.
    QApplication::setDesktopFileName(kHushvaultAppId);
    QTextStream err(stderr);

    QString error;
    const auto options = hv::LaunchOptions::parse(QApplication::arguments(), &error);
    if (!options) {
        err << "hushvault: " << error << "\n" << hv::LaunchOptions::usage();
        return 2;
    }

    if (!hv::md5Available()) {
        err << "hushvault: " << hv::kMd5MissingMessage << "\n";
        return 1;
    }

    hv::HushvaultApplication hushvault(*options);
    if (hushvault.start(err) == hv::HushvaultApplication::Outcome::Forwarded) return 0;
    hv::FirstFrameQuit::armIfRequested();
    return app.exec();
}
