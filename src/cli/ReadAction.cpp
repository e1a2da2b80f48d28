// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/PasswordOption.h"
#include "cli/StoreAccess.h"
#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"
#include "sms/MessageReader.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"

namespace hv::cli {

// Reads a secret message as the reader does: with the password given, or with the stored
// secret contacts' preset passwords, newest first; records it when "Record" is "On".
int readMessage(CommandContext& context) {
    const CommandLine line(context.arguments,
                           {{PasswordOption::kName, PasswordOption::kFileName}, {}});
    const std::string token = tokenFromLink(line.positionals(1, "LINK-OR-TOKEN")[0]);
    const auto password = PasswordOption::read(line, context.in);
    if (!isWellFormedToken(token))
        throw CommandFailed("the link is damaged or incomplete: no password can open it");
    HushvaultSqlite& store = context.store();
    MessageReader reader(store);
    const auto plain =
        password ? MessageReader::decrypt(token, *password) : reader.decryptWithContacts(token);
    requireStoreSuccess(store, "read");
    if (!plain)
        throw CommandFailed(password ? "the message does not fit this password"
                                     : "no stored contact's preset password fits the message");
    reader.record(std::string(), MessageReader::shownText(MessageReader::kDefaultLabel, *plain),
                  secondsSinceEpochNow());
    requireStoreSuccess(store, "change");
    context.out << *plain << '\n';
    return 0;
}

}  // namespace hv::cli
