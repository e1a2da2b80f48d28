#include "cli/CliApplication.h"

#include <QCommandLineParser>
#include <algorithm>
#include <sstream>

#include "Version.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/StoreAccess.h"
#include "crypto/Md5.h"
#include "crypto/Utf8.h"
#include "platform/ProfileOption.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

namespace {

std::string usage() {
    std::ostringstream text;
    text << "Usage: hushvault-cli [--data-dir=DIR] COMMAND [ARGUMENTS]\n\n"
            "Scripting and backups for Hushvault's local store. DIR defaults to\n"
            "$XDG_DATA_HOME/hushvault (~/.local/share/hushvault).\n\nCommands:\n";
    for (const Command& command : commands()) {
        std::string words = "  " + std::string(command.name);
        if (!command.action.empty()) words += " " + std::string(command.action);
        if (!command.arguments.empty()) words += " " + std::string(command.arguments);
        text << words << "\n      " << command.summary << '\n';
    }
    text << "  --help, --version\n\n"
            "Plain output has one record per line, fields separated by tabs.\n"
            "Exit status: 0 done, 1 the command failed, 2 wrong arguments.\n";
    return text.str();
}

// The action the words name, and where its own arguments begin.
const Command& findCommand(const std::vector<std::string>& words, std::size_t* consumed) {
    const auto all = commands();
    const std::string name = words.empty() ? std::string() : words[0];
    const std::string action = words.size() > 1 ? words[1] : std::string();
    std::vector<std::string> actions;
    for (const Command& command : all) {
        if (command.name != name) continue;
        if (command.action.empty()) {
            *consumed = 1;
            return command;
        }
        if (command.action == action) {
            *consumed = 2;
            return command;
        }
        actions.emplace_back(command.action);
    }
    if (actions.empty())
        throw UsageError(name.empty() ? "missing command (see --help)"
                                      : "unknown command \"" + name + "\" (see --help)");
    std::string known;
    for (const auto& each : actions) known += (known.empty() ? "" : ", ") + each;
    throw UsageError(name + " needs " + known + ", not \"" + action + "\"");
}

int runCommand(const Command& command, CommandContext& context) {
    if (!command.usesStore) return command.run(context);
    HushvaultSqlite store(context.paths.documentsDirectory());
    prepareStore(store);
    context.store = &store;
    return command.run(context);
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        // Names, numbers and texts are stored as UTF-8; other bytes would come back empty.
        for (std::size_t i = 0; i < arguments.size(); ++i)
            if (!isValidUtf8(arguments[i]))
                throw UsageError("argument " + std::to_string(i + 1) + " is not valid UTF-8");

        // The program's own options come before the command; the command's are its own.
        QCommandLineParser parser;
        parser.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
        const QCommandLineOption help({"h", "help"}, "");
        const QCommandLineOption version("version", "");
        parser.addOptions({ProfileOption::dataDirectory(), help, version});
        QStringList list{"hushvault-cli"};
        for (const auto& argument : arguments) list.append(QString::fromStdString(argument));
        if (!parser.parse(list)) throw UsageError(parser.errorText().toStdString());
        if (parser.isSet(help)) {
            out << usage();
            return 0;
        }
        if (parser.isSet(version)) {
            out << "hushvault-cli " << kHushvaultVersion << '\n';
            return 0;
        }
        QString error;
        const auto paths = ProfileOption::paths(parser, &error);
        if (!paths) throw UsageError(error.toStdString());

        std::vector<std::string> words;
        for (const QString& word : parser.positionalArguments())
            words.push_back(word.toStdString());
        std::size_t consumed = 0;
        const Command& command = findCommand(words, &consumed);
        if (!md5Available()) throw CommandFailed(kMd5MissingMessage);
        CommandContext context{std::vector<std::string>(words.begin() + consumed, words.end()), out,
                               *paths};
        return runCommand(command, context);
    } catch (const UsageError& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 2;
    } catch (const CommandFailed& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace hv::cli
