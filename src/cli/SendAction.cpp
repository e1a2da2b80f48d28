// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Version.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/PasswordOption.h"
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
// The exit status of a message that "auto" could only keep in the Outbox.
constexpr int kKeptInOutbox = 3;

}  // namespace

// Sends a secret message the way the composer does (same checks, body and records)
// through the chosen SMS service, waits for its report, and prints the body it sent. A
// message that only went into the Outbox (no modem or phone could send it) is said so,
// with an exit status of its own, unless the Outbox was what --sms asked for.
int sendMessage(CommandContext& context) {
    const CommandLine line(
        context.arguments,
        {{"--to", PasswordOption::kName, PasswordOption::kFileName, "--sms"}, {"--friend"}});
    const std::string text = line.positionals(1, "TEXT")[0];
    const std::string to = line.required("--to");
    Contacts contact;
    contact.name = to;
    contact.telePhoneNumber = to;
    contact.passWord = PasswordOption::required(line, context.in);
    switch (MessageSender::check(to, contact)) {
        case MessageSender::Problem::NoRecipient:
            throw UsageError("--to needs the recipient's phone number");
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
    std::string requested;
    const auto service = settledService(line, context, &requested);
    std::optional<std::string> report;
    service->setReportSink([&report](const std::string& name) {
        if (!report) report = name;
    });
    const std::string way = smsRouteName(service->route());
    MessageSender sender(*service, store);
    const auto outcome = sender.send(contact, line.flag("--friend"), text, SmsBody::kDefaultLabel,
                                     secondsSinceEpochNow());
    if (outcome.noWebLinkHost)
        throw CommandFailed(
            "no web link host is set for a friend without Hushvault: set one with "
            "\"config set WebLinkHost HOST\" (the host that serves the web reader), or send "
            "with --friend");
    if (!outcome.accepted) throw CommandFailed("the " + way + " service refused the message");
    context.out << outcome.body << '\n';
    if (waitForReport(report, kReportTimeout) != kCTMessageSentNotification) {
        MessageSender::markNotSent(store, outcome.recordId);
        throw CommandFailed("the " + way + " service could not send the message");
    }
    if (!store.lastError().empty())
        throw CommandFailed("the message was " + std::string(outcome.keptOnly ? "kept" : "sent") +
                            ", but its record could not be stored in " + store.dataBasePath() +
                            ": " + store.lastError());
    if (outcome.keptOnly && requested != "outbox") {
        context.err << "hushvault-cli: no modem or phone could send the message; it was kept in "
                    << context.paths.documentsDirectory() << "/Outbox and NOT sent ("
                    << service->routeReason() << ")\n";
        return kKeptInOutbox;
    }
    return 0;
}

}  // namespace hv::cli
