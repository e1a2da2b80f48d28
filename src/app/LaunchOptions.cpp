#include "app/LaunchOptions.h"

namespace hv {

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList& arguments, QString* error) {
    LaunchOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto valueOf = [&](const QString& name, QString* value) {
            if (argument.startsWith(name + "=")) {
                *value = argument.mid(name.size() + 1);
            } else if (argument == name && i + 1 < arguments.size()) {
                *value = arguments[++i];
            } else {
                return false;
            }
            return true;
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (valueOf("--data-dir", &options.dataDirectory)) {
            if (options.dataDirectory.isEmpty()) {
                *error = "--data-dir needs a directory";
                return std::nullopt;
            }
        } else if (valueOf("--lang", &options.language)) {
        } else if (valueOf("--sms", &options.sms)) {
            if (options.sms != "outbox") {
                *error = "unknown SMS service \"" + options.sms + "\" (known: outbox)";
                return std::nullopt;
            }
        } else if (argument.startsWith("--")) {
            *error = "unknown option " + argument;
            return std::nullopt;
        } else if (options.link.isEmpty()) {
            options.link = argument;
        } else {
            *error = "only one link can be opened at a time";
            return std::nullopt;
        }
    }
    return options;
}

QString LaunchOptions::usage() {
    return "Usage: hushvault [--data-dir=DIR] [--lang=en|zh_CN|zh_TW] [--sms=outbox] "
           "[hiddenmsg://...]\n"
           "Opens Hushvault, or hands the link to the Hushvault already running.\n"
           "--sms=outbox (the default) keeps sent messages in <data directory>/Outbox.\n";
}

}  // namespace hv
