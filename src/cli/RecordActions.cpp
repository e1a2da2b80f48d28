// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/RecordListing.h"
#include "cli/StoreAccess.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

int listRecords(CommandContext& context) {
    return printRecordList(context, [](HushvaultSqlite& store) { return store.findAllSMS(); });
}

int deleteRecord(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--id"}, {}});
    line.positionals(0, "");
    const int id = parseInt32(line.required("--id"), "--id");
    HushvaultSqlite& store = context.store();
    const bool known = store.findSMSBySMSid(id).SMS_id == id && id != 0;
    requireStoreSuccess(store, "read");
    if (!known) throw CommandFailed("no record with id " + std::to_string(id));
    store.deleteSMSBySMSid(id);
    requireStoreSuccess(store, "change");
    return 0;
}

int clearRecords(CommandContext& context) {
    CommandLine(context.arguments, {}).positionals(0, "");
    context.store().clearAllSMS();
    requireStoreSuccess(context.store(), "change");
    return 0;
}

}  // namespace hv::cli
