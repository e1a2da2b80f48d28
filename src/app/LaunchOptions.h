#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace hv {

// The command line of the application:
//   hushvault [--data-dir=DIR] [--lang=LANG] [--sms=outbox] [hiddenmsg://...]
struct LaunchOptions {
    QString dataDirectory;   // empty: the default documents directory
    QString language;        // empty: the system's
    QString sms = "outbox";  // the SMS service: "outbox" writes messages to <documents>/Outbox
    QString link;            // the link the application was opened with, as given
    bool help = false;

    // The options, or an error message for the user.
    static std::optional<LaunchOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

}  // namespace hv
