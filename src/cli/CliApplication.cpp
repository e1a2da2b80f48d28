// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliApplication.h"

#include <algorithm>
#include <sstream>

#include "Version.h"
#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "crypto/Md5.h"
#include "crypto/Utf8.h"
#include "store/DataDirectoryOption.h"

namespace hv::cli {

namespace {

constexpr std::size_t kSummaryColumn = 30;
constexpr std::size_t kLineWidth = 80;

// A command's words, then its summary in a column of its own, wrapped at 80 characters.
void printCommand(std::ostream& text, const Command& command) {
    std::string words = "  " + std::string(command.name);
    if (!command.action.empty()) words += " " + std::string(command.action);
    if (!command.arguments.empty()) words += " " + std::string(command.arguments);
    text << words;
    std::size_t column = words.size();
    if (column + 2 > kSummaryColumn) {
        text << '\n';
        column = 0;
    }
    std::istringstream summary{std::string(command.summary)};
    std::string word;
    bool lineStarted = false;
    while (summary >> word) {
        if (lineStarted && column + 1 + word.size() > kLineWidth) {
            text << '\n';
            column = 0;
            lineStarted = false;
        }
        if (!lineStarted) {
            text << std::string(kSummaryColumn - column, ' ');
            column = kSummaryColumn;
        } else {
            text << ' ';
            ++column;
        }
        text << word;
        column += word.size();
        lineStarted = true;
    }
    text << '\n';
}

std::string usage() {
    std::ostringstream text;
    text << "Usage: hushvault-cli [--data-dir=DIR] COMMAND [ARGUMENTS]\n\n"
            "Scripting and backups for Hushvault's local store. DIR defaults to\n"
            "$XDG_DATA_HOME/hushvault (~/.local/share/hushvault).\n\nCommands:\n";
    for (const Command& command : commands()) printCommand(text, command);
    text << "  --help, --version\n\n"
            "Plain output has one record per line, fields separated by tabs.\n"
            "A preset password P is given as --password P, --password - (one line read from\n"
            "standard input) or --password-file FILE (its first line). --password P is seen\n"
            "by every local user in the list of processes and stays in the shell's history:\n"
            "prefer the other two.\n"
            "A backup's passphrase (10 characters at least) comes from --passphrase-file FILE\n"
            "or standard input (asked twice, without echo, on a terminal), never from the\n"
            "command line.\n"
            "Exit status: 0 done, 1 the command failed, 2 wrong arguments, 3 (send) the\n"
            "message was only kept in the Outbox: no modem or phone could send it.\n";
    return text.str();
}

// The action the words name, and how many of the words name it.
struct FoundCommand {
    const Command& command;
    std::size_t words;
};

FoundCommand findCommand(const std::vector<std::string>& words) {
    const std::string name = words.empty() ? std::string() : words[0];
    const std::string action = words.size() > 1 ? words[1] : std::string();
    std::vector<std::string> actions;
    for (const Command& command : commands()) {
        if (command.name != name) continue;
        if (command.action.empty()) return {command, 1};
        if (command.action == action) return {command, 2};
        actions.emplace_back(command.action);
    }
    if (actions.empty())
        throw UsageError(name.empty() ? "missing command (see --help)"
                                      : "unknown command \"" + name + "\" (see --help)");
    std::string known;
    for (std::size_t i = 0; i < actions.size(); ++i)
        known += (i == 0 ? "" : i + 1 == actions.size() ? " or " : ", ") + actions[i];
    throw UsageError(name + " needs " + known + ", not \"" + action + "\"");
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err, const KdfParameters& backupKdf) {
    try {
        // The program's own options come before the command; the command's are its own.
        const std::string dataDirectoryOption = std::string("--") + DataDirectoryOption::kName;
        std::optional<std::string> dataDirectory;
        std::size_t next = 0;
        for (; next < arguments.size(); ++next) {
            const std::string& argument = arguments[next];
            if (argument == "--help" || argument == "-h") {
                out << usage();
                return 0;
            }
            if (argument == "--version") {
                out << "hushvault-cli " << kHushvaultVersion << '\n';
                return 0;
            }
            if (argument == dataDirectoryOption) {
                if (next + 1 == arguments.size())
                    throw UsageError(DataDirectoryOption::kMissingDirectory);
                dataDirectory = arguments[++next];
            } else if (argument.rfind(dataDirectoryOption + "=", 0) == 0) {
                dataDirectory = argument.substr(dataDirectoryOption.size() + 1);
            } else if (argument.rfind("-", 0) == 0) {
                throw UsageError("unknown option " + argument);
            } else {
                break;
            }
        }
        const auto paths = DataDirectoryOption::paths(dataDirectory);
        if (!paths) throw UsageError(DataDirectoryOption::kMissingDirectory);

        // Names, numbers and texts are stored as UTF-8; other bytes would come back empty.
        // (A directory's name may be any bytes.)
        const std::vector<std::string> words(arguments.begin() + next, arguments.end());
        for (std::size_t i = 0; i < words.size(); ++i)
            if (!isValidUtf8(words[i]))
                throw UsageError("argument " + std::to_string(next + i + 1) +
                                 " is not valid UTF-8");
        const FoundCommand found = findCommand(words);
        if (!md5Available()) throw CommandFailed(kMd5MissingMessage);
        CommandContext context{std::vector<std::string>(words.begin() + found.words, words.end()),
                               in, out, err, *paths};
        context.backupKdf = backupKdf;
        return found.command.run(context);
    } catch (const UsageError& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 2;
    } catch (const CommandFailed& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace hv::cli
