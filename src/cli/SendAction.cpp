#include "Version.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "sms/MessageSender.h"
#include "sms/OutboxSmsService.h"
#include "sms/SmsBody.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/StartupSequence.h"

namespace hv::cli {

// Sends a secret message the way the composer does (same checks, body, service and
// records) through the outbox of the data directory, and prints the body it sent.
int sendMessage(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--to", "--password"}, {"--friend"}});
    const std::string text = line.positionals(1, "TEXT")[0];
    const std::string to = line.required("--to");
    Contacts contact;
    contact.name = to;
    contact.telePhoneNumber = to;
    contact.passWord = line.required("--password");
    switch (MessageSender::check(to, contact)) {
        case MessageSender::Problem::NoRecipient:
            throw UsageError("--to needs the recipient's number");
        case MessageSender::Problem::ShortPassword:
            throw UsageError("the preset password needs at least 3 characters");
        case MessageSender::Problem::None:
            break;
    }
    contact.telePhoneNumber = MessageSender::recipientNumber(to, contact);
    HushvaultSqlite& store = context.store();
    // A first send prepares the store as the application's first start would, so that its
    // record is kept by the default setting.
    StartupSequence::run(store, kHushvaultVersion, secondsSinceEpochNow());
    OutboxSmsService service(context.paths.documentsDirectory());
    MessageSender sender(service, store);
    const auto outcome = sender.send(contact, line.flag("--friend"), text, SmsBody::kDefaultLabel,
                                     secondsSinceEpochNow());
    if (!outcome.accepted) throw CommandFailed("the outbox refused the message");
    context.out << outcome.body << '\n';
    if (!store.lastError().empty())
        throw CommandFailed("the message was sent, but its record could not be stored in " +
                            store.dataBasePath() + ": " + store.lastError());
    return 0;
}

}  // namespace hv::cli
