// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Version.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/SettingsKeys.h"
#include "store/StartupSequence.h"

namespace hv::cli {

namespace {

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

}  // namespace

int initStore(CommandContext& context) {
    CommandLine(context.arguments, {}).positionals(0, "");
    HushvaultSqlite& store = context.store();
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

int listSettings(CommandContext& context) {
    const CommandLine line(context.arguments, {{}, {"--json"}});
    line.positionals(0, "");
    const auto settings = context.store().findAllNewSMS();
    requireStoreSuccess(context.store(), "read");
    if (line.flag("--json")) {
        context.printJson(toJson(settings));
    } else {
        for (const auto& [key, value] : settings)
            context.out << escapeField(key) << '\t' << escapeField(value) << '\n';
    }
    return 0;
}

int getSetting(CommandContext& context) {
    const std::string key = CommandLine(context.arguments, {}).positionals(1, "KEY")[0];
    const auto value = context.store().findTelephoneNumber(key);
    requireStoreSuccess(context.store(), "read");
    if (!value) throw CommandFailed("no setting \"" + key + "\"");
    context.out << *value << '\n';
    return 0;
}

int setSetting(CommandContext& context) {
    const auto& arguments = CommandLine(context.arguments, {}).positionals(2, "KEY and VALUE");
    checkValue(arguments[0], arguments[1]);
    HushvaultSqlite& store = context.store();
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

}  // namespace hv::cli
