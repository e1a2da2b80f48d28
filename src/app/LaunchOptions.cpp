// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LaunchOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include "addressbook/AddressBookLocation.h"
#include "platform/SmsServiceChoice.h"
#include "store/DataDirectoryOption.h"

namespace hv {

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption dataDirectory{DataDirectoryOption::kName, DataDirectoryOption::kDescription,
                                     DataDirectoryOption::kValueName};
    QCommandLineOption contactsDirectory{AddressBookLocation::kOptionName,
                                         AddressBookLocation::kOptionDescription,
                                         AddressBookLocation::kOptionValueName};
    QCommandLineOption language{"lang", "Shows Hushvault in LANG: en, zh_CN or zh_TW.", "LANG"};
    QCommandLineOption sms{
        "sms",
        "Sends through SERVICE: " + SmsServiceChoice::names().join(", ") +
            " (default: auto: at each message the modem, else a paired phone, else the Outbox).",
        "SERVICE", "auto"};
    QCommandLineOption background{
        "background",
        "Starts without a window and notices secret messages that arrive; the window shows "
        "when one is opened or Hushvault is started again."};
    QCommandLineOption help{{"h", "help"}, "Shows this help."};
    QCommandLineOption version{"version", "Shows the version."};

    Parser() {
        parser.setApplicationDescription(
            "Opens Hushvault, or hands the link to the Hushvault already running.");
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions(
            {dataDirectory, contactsDirectory, language, sms, background, help, version});
        parser.addPositionalArgument("link", "A hiddenmsg:// link to read.", "[hiddenmsg://...]");
    }
};

}  // namespace

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList& arguments, QString* error) {
    Parser p;
    if (!p.parser.parse(arguments)) {
        *error = p.parser.errorText();
        return std::nullopt;
    }
    LaunchOptions options;
    options.help = p.parser.isSet(p.help);
    options.version = p.parser.isSet(p.version);
    options.background = p.parser.isSet(p.background);
    if (p.parser.isSet(p.dataDirectory)) options.dataDirectory = p.parser.value(p.dataDirectory);
    const auto paths = DataDirectoryOption::paths(
        p.parser.isSet(p.dataDirectory)
            ? std::optional(QFile::encodeName(p.parser.value(p.dataDirectory)).toStdString())
            : std::nullopt);
    if (!paths) {
        *error = DataDirectoryOption::kMissingDirectory;
        return std::nullopt;
    }
    options.paths = *paths;
    if (p.parser.isSet(p.contactsDirectory)) {
        if (p.parser.value(p.contactsDirectory).isEmpty()) {
            *error = "--contacts-dir needs a directory";
            return std::nullopt;
        }
        options.contactsDirectory =
            QFile::encodeName(p.parser.value(p.contactsDirectory)).toStdString();
    }
    options.language = p.parser.value(p.language);
    options.sms = p.parser.value(p.sms);
    if (!SmsServiceChoice::names().contains(options.sms)) {
        *error = "unknown SMS service \"" + options.sms +
                 "\" (known: " + SmsServiceChoice::names().join(", ") + ")";
        return std::nullopt;
    }
    const QStringList links = p.parser.positionalArguments();
    if (links.size() > 1) {
        *error = "only one link can be opened at a time";
        return std::nullopt;
    }
    if (!links.isEmpty()) options.link = links.first();
    return options;
}

QString LaunchOptions::usage() {
    Parser p;
    return p.parser.helpText().replace(QRegularExpression("^Usage: \\S+"), "Usage: hushvault");
}

}  // namespace hv
