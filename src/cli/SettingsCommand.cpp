#include "cli/SettingsCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"
#include "store/HushvaultSqlite.h"

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

int set(const CommandContext& context, HushvaultSqlite& store) {
    const auto& arguments = CommandLine(context.rest(), {}).positionals(2, "KEY and VALUE");
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
