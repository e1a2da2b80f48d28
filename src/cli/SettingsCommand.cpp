#include "cli/SettingsCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"
#include "store/HushvaultSqlite.h"
#include "store/SettingsKeys.h"

namespace hv::cli {

namespace {

int list(const CommandContext& context, HushvaultSqlite& store) {
    const CommandLine line(context.rest(), {{}, {"--json"}});
    line.positionals(0, "");
    const auto settings = store.findAllNewSMS();
    requireStoreSuccess(store, "read");
    if (line.flag("--json")) {
        context.printJson(toJson(settings));
    } else {
        for (const auto& [key, value] : settings)
            context.out << escapeField(key) << '\t' << escapeField(value) << '\n';
    }
    return 0;
}

int get(const CommandContext& context, HushvaultSqlite& store) {
    const std::string key = CommandLine(context.rest(), {}).positionals(1, "KEY")[0];
    const auto value = store.findTelephoneNumber(key);
    requireStoreSuccess(store, "read");
    if (!value) throw CommandFailed("no setting \"" + key + "\"");
    context.out << *value << '\n';
    return 0;
}

// The values the application's screens can show and the locking rule can read.
void checkValue(const std::string& key, const std::string& value) {
    if (key == kSettingTime && value != "0" && value != "1" && value != "5" && value != "30" &&
        value != "100000")
        throw UsageError("Time takes 0, 1, 5, 30 or 100000 (minutes; 100000: never)");
    if (key == kSettingRecord && value != kRecordOn && value != "Off")
        throw UsageError("Record takes On or Off");
    if (key == kSettingLockTime &&
        (value.empty() || value.find_first_not_of("0123456789.") != std::string::npos))
        throw UsageError("LockTime takes seconds since 1970, such as 1765000000.000000");
}

int set(const CommandContext& context, HushvaultSqlite& store) {
    const auto& arguments = CommandLine(context.rest(), {}).positionals(2, "KEY and VALUE");
    checkValue(arguments[0], arguments[1]);
    const bool known = store.findTelephoneNumber(arguments[0]).has_value();
    requireStoreSuccess(store, "read");
    if (!known)
        throw CommandFailed("no setting \"" + arguments[0] +
                            "\"; settings are only changed, not added");
    store.updatetel(arguments[0], arguments[1]);
    requireStoreSuccess(store, "change");
    if (store.findTelephoneNumber(arguments[0]) != arguments[1])
        throw CommandFailed("the setting could not be changed");
    return 0;
}

}  // namespace

int SettingsCommand::run(const CommandContext& context) {
    HushvaultSqlite store(context.paths.documentsDirectory());
    prepareStore(store);
    const std::string action = context.action();
    if (action == "list") return list(context, store);
    if (action == "get") return get(context, store);
    if (action == "set") return set(context, store);
    throw UsageError("settings needs list, get or set, not \"" + action + "\"");
}

}  // namespace hv::cli
