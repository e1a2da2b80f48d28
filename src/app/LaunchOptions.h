// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "store/StorePaths.h"

namespace hv {

// The command line of the application, read with QCommandLineParser:
//   hushvault [--data-dir=DIR] [--contacts-dir=DIR] [--lang=LANG] [--sms=SERVICE]
//             [--background] [hiddenmsg://...]
struct LaunchOptions {
    StorePaths paths = StorePaths::forUser();      // the profile (--data-dir)
    QString language;                              // empty: the system's
    std::optional<std::string> contactsDirectory;  // the address book (--contacts-dir)
    QString sms = "auto";                          // the SMS service (see SmsServiceChoice)
    QString dataDirectory;    // --data-dir as given; empty for the user's own profile
    QString link;             // the link the application was opened with, as given
    bool background = false;  // no window until a message is opened or another start
    bool help = false;
    bool version = false;

    // The options, or an error message for the user.
    static std::optional<LaunchOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

}  // namespace hv
