#include "cli/ContactsCommand.h"

#include <algorithm>

#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/RecordListing.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

namespace {

int add(const CommandContext& context, HushvaultSqlite& store) {
    const CommandLine line(context.rest(), {{"--name", "--tel", "--password", "--friend"}, {}});
    line.positionals(0, "");
    const std::string flag = line.required("--friend");
    if (flag != "0" && flag != "1") throw UsageError("--friend must be 0 or 1");
    const int id = store.addContracts(line.required("--name"), line.required("--tel"),
                                      line.required("--password"), flag);
    requireStoreSuccess(store, "change");
    if (id == 0) throw CommandFailed("the contact could not be stored");
    context.out << id << '\n';
    return 0;
}

int list(const CommandContext& context, HushvaultSqlite& store) {
    const auto contacts = store.findAllContracts();
    requireStoreSuccess(store, "read");
    return printRecordList(context, contacts);
}

int find(const CommandContext& context, HushvaultSqlite& store) {
    const CommandLine line(context.rest(), {{"--tel"}, {"--json"}});
    line.positionals(0, "");
    const std::string number = line.required("--tel");
    const Contacts contact = store.findContractByTelephoneNumber(number);
    requireStoreSuccess(store, "read");
    if (contact.contract_id == 0) throw CommandFailed("no contact with the number " + number);
    if (line.flag("--json"))
        context.printJson(toJson(contact));
    else
        context.out << toLine(contact) << '\n';
    return 0;
}

int remove(const CommandContext& context, HushvaultSqlite& store) {
    const CommandLine line(context.rest(), {{"--id"}, {}});
    line.positionals(0, "");
    const int id = parseInt32(line.required("--id"), "--id");
    const auto contacts = store.findAllContracts();
    requireStoreSuccess(store, "read");
    const bool known = std::any_of(contacts.begin(), contacts.end(),
                                   [id](const Contacts& c) { return c.contract_id == id; });
    if (!known) throw CommandFailed("no contact with id " + std::to_string(id));
    store.deleteContractByid(id);
    requireStoreSuccess(store, "change");
    return 0;
}

}  // namespace

int ContactsCommand::run(const CommandContext& context) {
    HushvaultSqlite store(context.paths.documentsDirectory());
    prepareStore(store);
    const std::string action = context.action();
    if (action == "add") return add(context, store);
    if (action == "list") return list(context, store);
    if (action == "find") return find(context, store);
    if (action == "delete") return remove(context, store);
    throw UsageError("contacts needs add, list, find or delete, not \"" + action + "\"");
}

}  // namespace hv::cli
