#include "Version.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/SmsRun.h"
#include "sms/MessageSender.h"
#include "sms/SmsBody.h"
#include "sms/SmsService.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/StartupSequence.h"

namespace hv::cli {

namespace {

// Longer than a service may take: a modem's two calls of two minutes each, and a margin,
// so that a message is not called failed while it may still go out.
constexpr int kReportTimeout = 250000;

}  // namespace

// Sends a secret message the way the composer does (same checks, body and records)
// through the chosen SMS service, waits for its report, and prints the body it sent.
int sendMessage(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--to", "--password", "--sms"}, {"--friend"}});
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
    SmsServiceChoice::Choice choice = chooseService(line, context);
    std::optional<std::string> report;
    choice.service->setReportSink([&report](const std::string& name) {
        if (!report) report = name;
    });
    MessageSender sender(*choice.service, store);
    const auto outcome = sender.send(contact, line.flag("--friend"), text, SmsBody::kDefaultLabel,
                                     secondsSinceEpochNow());
    const std::string service = choice.name.toStdString();
    if (!outcome.accepted) throw CommandFailed("the " + service + " service refused the message");
    context.out << outcome.body << '\n';
    if (waitForReport(report, kReportTimeout) != kCTMessageSentNotification)
        throw CommandFailed("the " + service + " service could not send the message");
    if (!store.lastError().empty())
        throw CommandFailed("the message was sent, but its record could not be stored in " +
                            store.dataBasePath() + ": " + store.lastError());
    return 0;
}

}  // namespace hv::cli
