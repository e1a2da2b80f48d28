// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/SmsRun.h"
#include "platform/SmsServiceChoice.h"

namespace hv::cli {

namespace {

void ensureEventLoop() {
    // D-Bus and child processes need an application object; the command-line tool makes
    // one when a command needs it, and keeps it for the rest of the run.
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "hushvault-cli";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);  // lives until the process ends
    }
}

// Longer than ModemManager's and KDE Connect's own time for an answer.
constexpr int kLookUpWait = 8000;  // ms

}  // namespace

std::unique_ptr<SmsService> settledService(const CommandLine& line, CommandContext& context,
                                           std::string* requested) {
    *requested = line.value("--sms").value_or("auto");
    if (!SmsServiceChoice::names().contains(QString::fromStdString(*requested)))
        throw UsageError("unknown SMS service \"" + *requested +
                         "\" (known: " + SmsServiceChoice::names().join(", ").toStdString() + ")");
    ensureEventLoop();
    auto service = SmsServiceChoice::make(QString::fromStdString(*requested), context.paths);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (!service->isLookingUp()) loop.quit();
    });
    check.start(20);
    QTimer::singleShot(kLookUpWait, &loop, &QEventLoop::quit);
    if (service->isLookingUp()) loop.exec();
    return service;
}

std::optional<std::string> waitForReport(std::optional<std::string>& report, int milliseconds) {
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(milliseconds);
    // Sleeps in the loop until something happens; a check every 50 ms ends it once the
    // report is there.
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (report) loop.quit();
    });
    check.start(50);
    if (!report) loop.exec();
    return report;
}

int smsStatus(CommandContext& context) {
    const CommandLine line(context.arguments, {{"--sms"}, {}});
    line.positionals(0, "");
    std::string requested;
    const auto service = settledService(line, context, &requested);
    context.out << smsRouteName(service->route()) << ": " << service->routeReason();
    if (requested != "auto") context.out << " (chosen with --sms=" << requested << ")";
    context.out << '\n';
    return 0;
}

}  // namespace hv::cli
