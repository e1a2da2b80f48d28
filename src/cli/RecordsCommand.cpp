#include "cli/RecordsCommand.h"

#include "cli/CommandLine.h"
#include "cli/RecordListing.h"
#include "cli/StoreAccess.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

namespace {

int list(const CommandContext& context, HushvaultSqlite& store) {
    const auto records = store.findAllSMS();
    requireStoreSuccess(store, "read");
    return printRecordList(context, records);
}

int remove(const CommandContext& context, HushvaultSqlite& store) {
    const CommandLine line(context.rest(), {{"--id"}, {}});
    line.positionals(0, "");
    const int id = parseInt32(line.required("--id"), "--id");
    const bool known = store.findSMSBySMSid(id).SMS_id == id && id != 0;
    requireStoreSuccess(store, "read");
    if (!known) throw CommandFailed("no record with id " + std::to_string(id));
    store.deleteSMSBySMSid(id);
    requireStoreSuccess(store, "change");
    return 0;
}

int clear(const CommandContext& context, HushvaultSqlite& store) {
    CommandLine(context.rest(), {}).positionals(0, "");
    store.clearAllSMS();
    requireStoreSuccess(store, "change");
    return 0;
}

}  // namespace

int RecordsCommand::run(const CommandContext& context) {
    HushvaultSqlite store(context.paths.documentsDirectory());
    prepareStore(store);
    const std::string action = context.action();
    if (action == "list") return list(context, store);
    if (action == "delete") return remove(context, store);
    if (action == "clear") return clear(context, store);
    throw UsageError("records needs list, delete or clear, not \"" + action + "\"");
}

}  // namespace hv::cli
