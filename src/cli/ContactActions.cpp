// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/PasswordOption.h"
#include "cli/RecordListing.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

int addContact(CommandContext& context) {
    const CommandLine line(
        context.arguments,
        {{"--name", "--tel", PasswordOption::kName, PasswordOption::kFileName, "--friend"}, {}});
    line.positionals(0, "");
    const std::string flag = line.required("--friend");
    if (flag != "0" && flag != "1") throw UsageError("--friend must be 0 or 1");
    const std::string name = line.required("--name");
    const std::string number = line.required("--tel");
    const std::string password = PasswordOption::required(line, context.in);
    HushvaultSqlite& store = context.store();
    const int id = store.addContracts(name, number, password, flag);
    requireStoreSuccess(store, "change");
    if (id == 0) throw CommandFailed("the contact could not be stored");
    context.out << id << '\n';
    return 0;
}

int listContacts(CommandContext& context) {
    return printRecordList(context,
                           [](HushvaultSqlite& store) { return store.findAllContracts(); });
}

int findContact(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--tel"}, {"--json"}});
    line.positionals(0, "");
    const std::string number = line.required("--tel");
    const Contacts contact = context.store().findContractByTelephoneNumber(number);
    requireStoreSuccess(context.store(), "read");
    if (contact.contract_id == 0) throw CommandFailed("no contact with the number " + number);
    if (line.flag("--json"))
        context.printJson(toJson(contact));
    else
        context.out << toLine(contact) << '\n';
    return 0;
}

int deleteContact(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--id"}, {}});
    line.positionals(0, "");
    const int id = parseInt32(line.required("--id"), "--id");
    HushvaultSqlite& store = context.store();
    const auto contacts = store.findAllContracts();
    requireStoreSuccess(store, "read");
    const bool known = std::any_of(contacts.begin(), contacts.end(),
                                   [id](const Contacts& c) { return c.contract_id == id; });
    if (!known) throw CommandFailed("no contact with id " + std::to_string(id));
    store.deleteContractByid(id);
    requireStoreSuccess(store, "change");
    return 0;
}

}  // namespace hv::cli
