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

}  // namespace

SmsServiceChoice::Choice chooseService(const CommandLine& line, CommandContext& context) {
    ensureEventLoop();
    const QString requested = QString::fromStdString(line.value("--sms").value_or("auto"));
    SmsServiceChoice::Choice choice = SmsServiceChoice::choose(requested, context.paths);
    if (!choice.service)
        throw UsageError("unknown SMS service \"" + requested.toStdString() +
                         "\" (known: " + SmsServiceChoice::names().join(", ").toStdString() + ")");
    return choice;
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
    const SmsServiceChoice::Choice choice = chooseService(line, context);
    context.out << choice.name.toStdString() << ": " << choice.reason.toStdString() << '\n';
    return 0;
}

}  // namespace hv::cli
