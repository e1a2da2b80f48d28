#include "cli/CliApplication.h"

#include "Version.h"
#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "cli/ConfigCommand.h"
#include "cli/ContactsCommand.h"
#include "cli/RecordsCommand.h"
#include "cli/SendCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/StoreAccess.h"
#include "cli/TokenCommand.h"
#include "crypto/Md5.h"
#include "crypto/Utf8.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/StartupSequence.h"
#include "store/StorePaths.h"

namespace hv::cli {

namespace {

constexpr const char* kUsage = R"(Usage: hushvault-cli [--data-dir=DIR] COMMAND [ARGUMENTS]

Scripting and backups for Hushvault's local store. DIR defaults to
$XDG_DATA_HOME/hushvault (~/.local/share/hushvault).

Commands:
  token encrypt --password P [--escaped] [--] TEXT
                              print the secret-message token of TEXT
  token decrypt --password P [--] TOKEN
                              print the text of a token, plain or escaped, or of
                              a whole hiddenmsg:// or web link
  init                        create the tables, default settings and version row
  contacts add --name N --tel T --password P --friend 0|1
                              add a secret contact, print its id
  contacts list [--json]      list the secret contacts, newest first
  contacts find --tel T [--json]
                              show the contact with this number (exit 1: none)
  contacts delete --id N      delete a secret contact
  records list [--json]       list the message records, newest first
  records delete --id N       delete one message record
  records clear               delete every message record
  settings list [--json]      show the settings rows
  settings get KEY            print one setting
  settings set KEY VALUE      change an existing setting
  config get KEY              print the number under KEY in Conf.ini (-1: no file)
  config set KEY VALUE [--int]
                              store a text (or with --int a number) in Conf.ini
  send --to NUMBER --password P [--friend] [--] TEXT
                              send a secret message through <DIR>/Outbox and
                              print the SMS body (--friend: the friend runs
                              Hushvault, so the body holds a hiddenmsg:// link)
  --help, --version

Plain output has one record per line, fields separated by tabs.
Exit status: 0 done, 1 the command failed, 2 wrong arguments.
)";

int runInit(const CommandContext& context) {
    CommandLine(context.arguments, {}).positionals(0, "");
    HushvaultSqlite store(context.paths.documentsDirectory());
    prepareStore(store);
    StartupSequence::run(store, kHushvaultVersion, secondsSinceEpochNow());
    // The sequence is silent by design; what it should have left is checked here.
    const bool seeded = !store.findAllNewSMS().empty();
    requireStoreSuccess(store, "read");
    const bool versioned = store.findByVersion(kHushvaultVersion);
    requireStoreSuccess(store, "read");
    if (!seeded || !versioned)
        throw CommandFailed("cannot change the database " + store.dataBasePath());
    return 0;
}

int dispatch(const std::string& command, const CommandContext& context) {
    if (command == "token") return TokenCommand::run(context);
    if (command == "init") return runInit(context);
    if (command == "contacts") return ContactsCommand::run(context);
    if (command == "records") return RecordsCommand::run(context);
    if (command == "settings") return SettingsCommand::run(context);
    if (command == "config") return ConfigCommand::run(context);
    if (command == "send") return SendCommand::run(context);
    throw UsageError("unknown command \"" + command + "\" (see --help)");
}

}  // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        std::size_t next = 0;
        std::string dataDirectory;
        for (; next < arguments.size(); ++next) {
            const std::string& argument = arguments[next];
            if (argument == "--help" || argument == "-h") {
                out << kUsage;
                return 0;
            }
            if (argument == "--version") {
                out << "hushvault-cli " << kHushvaultVersion << '\n';
                return 0;
            }
            if (argument.rfind("--data-dir", 0) == 0) {
                std::string directory;
                if (argument.rfind("--data-dir=", 0) == 0)
                    directory = argument.substr(11);
                else if (argument == "--data-dir" && next + 1 < arguments.size())
                    directory = arguments[++next];
                if (directory.empty()) throw UsageError("--data-dir needs a directory");
                dataDirectory = directory;
            } else if (argument.rfind("--", 0) == 0) {
                throw UsageError("unknown option " + argument);
            } else {
                break;
            }
        }
        if (next == arguments.size()) throw UsageError("missing command (see --help)");
        // Names, numbers and texts are stored as UTF-8; other bytes would come back empty.
        for (std::size_t i = next; i < arguments.size(); ++i)
            if (!isValidUtf8(arguments[i]))
                throw UsageError("argument " + std::to_string(i + 1) + " is not valid UTF-8");
        if (!md5Available()) throw CommandFailed(kMd5MissingMessage);
        const CommandContext context{
            std::vector<std::string>(arguments.begin() + next + 1, arguments.end()), out,
            StorePaths::forUser(dataDirectory)};
        return dispatch(arguments[next], context);
    } catch (const UsageError& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 2;
    } catch (const CommandFailed& error) {
        err << "hushvault-cli: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace hv::cli
