// The real SMS services against fakes of what they talk to: ModemManager on a private
// D-Bus (python-dbusmock) and a kdeconnect-cli on disk that records its arguments.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "platform/AutoSmsService.h"
#include "platform/KdeConnectSmsService.h"
#include "platform/ModemManagerSmsService.h"
#include "sms/OutboxSmsService.h"
#include "support/FakeModemManager.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

// Every report of the service, in order.
struct Reports {
    explicit Reports(SmsService& service) {
        service.setReportSink([this](const std::string& name) { names.push_back(name); });
    }
    // Waits (on the event loop) for the next report.
    bool waitFor(std::size_t count, int milliseconds = 10000) {
        for (int waited = 0; names.size() < count && waited < milliseconds; waited += 10)
            QTest::qWait(10);
        return names.size() >= count;
    }
    std::vector<std::string> names;
};

const std::string kSent = kCTMessageSentNotification;
const std::string kError = kCTMessageSendErrorNotification;

}  // namespace

TEST(ModemManagerSms, SendsTheNumberAndTheWholeTextAndDeletesTheMessageAfterwards) {
    test::FakeModemManager fake;
    ModemManagerSmsService service(fake.connection());
    Reports reports(service);
    ASSERT_TRUE(service.isManagerPresent());
    EXPECT_EQ(service.modemPath(), "/org/freedesktop/ModemManager1/Modem/0");
    const std::string body = "Hushvault message: hiddenmsg://AbC+/9=\n第二行 \"quoted\"; --x";
    ASSERT_TRUE(service.sendSMSWithText(body, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent}));
    const auto sent = fake.sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].number, "+8613800138000");
    EXPECT_EQ(sent[0].text.toStdString(), body);
    for (int waited = 0; !fake.smsObjects().isEmpty() && waited < 5000; waited += 20)
        QTest::qWait(20);
    EXPECT_TRUE(fake.smsObjects().isEmpty()) << "sent messages do not pile up on the modem";
}

TEST(ModemManagerSms, AnErrorOrNoReplyFromTheModemIsASendError) {
    test::FakeModemManager fake(1, "fail");
    ModemManagerSmsService service(fake.connection(), 2000);
    Reports reports(service);
    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names.back(), kError);

    fake.setOutcome("silent");  // the reply never comes in time
    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(2));
    EXPECT_EQ(reports.names.back(), kError);
    EXPECT_EQ(fake.sent().size(), 2u);
}

TEST(ModemManagerSms, FollowsModemsThatComeAndGoAndTakesTheFirstInPathOrder) {
    test::FakeModemManager fake(0);
    ModemManagerSmsService service(fake.connection());
    Reports reports(service);
    EXPECT_TRUE(service.isManagerPresent());
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086")) << "no modem: refused at once";
    EXPECT_FALSE(service.absenceReason().isEmpty());

    QStringList modems;
    for (int i = 0; i < 11; ++i) modems.append(fake.addModem());
    for (int waited = 0; service.modemPath() != modems[0] && waited < 5000; waited += 10)
        QTest::qWait(10);
    EXPECT_EQ(service.modemPath(), modems[0]);
    fake.removeModem(modems[0]);
    for (int waited = 0; service.modemPath() == modems[0] && waited < 5000; waited += 10)
        QTest::qWait(10);
    EXPECT_EQ(service.modemPath(), modems[1]) << "Modem/1 comes before Modem/10";

    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(fake.sent().at(0).modem, modems[1]);
    for (int i = 1; i < 11; ++i) fake.removeModem(modems[i]);
    for (int waited = 0; !service.modemPath().isEmpty() && waited < 5000; waited += 10)
        QTest::qWait(10);
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
}

TEST(ModemManagerSms, WithoutModemManagerNothingIsSentAndItSaysWhy) {
    test::FakeModemManager busAlone(-1);
    ModemManagerSmsService service(busAlone.connection());
    EXPECT_FALSE(service.isManagerPresent());
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
    EXPECT_TRUE(service.absenceReason().contains("ModemManager"));
    EXPECT_FALSE(ModemManagerSmsService(QDBusConnection("not connected")).isManagerPresent());
}

TEST(AutoSms, TakesAModemThatComesAfterTheStartAndTheFallbackBefore) {
    test::FakeModemManager fake(0);
    test::TempDir documents;
    AutoSmsService service(std::make_unique<ModemManagerSmsService>(fake.connection()),
                           std::make_unique<OutboxSmsService>(documents.path()));
    Reports reports(service);
    ASSERT_TRUE(service.sendSMSWithText("first", "", "10086"));
    EXPECT_EQ(
        QDir(QString::fromStdString(documents.path() + "/Outbox")).entryList(QDir::Files).size(),
        1);
    EXPECT_FALSE(service.usesModem());
    fake.addModem();
    for (int waited = 0; !service.usesModem() && waited < 5000; waited += 10) QTest::qWait(10);
    EXPECT_TRUE(service.usesModem());
    ASSERT_TRUE(service.sendSMSWithText("second", "", "10086"));
    ASSERT_TRUE(reports.waitFor(2));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent, kSent}));
    ASSERT_EQ(fake.sent().size(), 1u);
    EXPECT_EQ(fake.sent()[0].text, "second");
}

namespace {

// A kdeconnect-cli that lists two devices and records each argument of a send, NUL-ended.
QString writeFakeKdeConnect(const test::TempDir& dir, int exitCode, int seconds = 0) {
    const QString program = QString::fromStdString(dir.file("kdeconnect-cli"));
    QFile file(program);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QString("#!/bin/sh\n"
                "if [ \"$1\" = --list-available ]; then printf 'phone1\\nphone2\\n'; exit 0; "
                "fi\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\"; done >> '%1'\n"
                "[ %2 -gt 0 ] && exec sleep %2\nexit %3\n")
            .arg(QString::fromStdString(dir.file("arguments")))
            .arg(seconds)
            .arg(exitCode)
            .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

QStringList recordedArguments(const test::TempDir& dir) {
    QFile file(QString::fromStdString(dir.file("arguments")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList arguments;
    for (const QByteArray& part : file.readAll().split('\0'))
        arguments.append(QString::fromUtf8(part));
    arguments.removeLast();  // after the last NUL
    return arguments;
}

}  // namespace

TEST(KdeConnectSms, ATextThatLooksLikeOptionsOrShellArrivesAsOneArgumentUnchanged) {
    test::TempDir dir;
    const QString program = writeFakeKdeConnect(dir, 0);
    EXPECT_EQ(KdeConnectSmsService::availableDevices(program), QStringList({"phone1", "phone2"}));
    KdeConnectSmsService service(program, "phone1");
    Reports reports(service);
    const std::string text = "--device evil \"quoted\" 'single'; rm -rf ~\n$(id) `id`\nend";
    ASSERT_TRUE(service.sendSMSWithText(text, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent}));
    EXPECT_EQ(recordedArguments(dir),
              QStringList({"--send-sms", QString::fromStdString(text), "--destination",
                           "+8613800138000", "--device", "phone1"}));
}

TEST(KdeConnectSms, AFailingSlowOrMissingToolIsASendError) {
    test::TempDir dir;
    KdeConnectSmsService failing(writeFakeKdeConnect(dir, 1), "phone1");
    Reports failed(failing);
    ASSERT_TRUE(failing.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(failed.waitFor(1));
    EXPECT_EQ(failed.names, std::vector<std::string>({kError}));

    test::TempDir slowDir;
    KdeConnectSmsService slow(writeFakeKdeConnect(slowDir, 0, 5), "phone1", 300);
    Reports late(slow);
    ASSERT_TRUE(slow.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(late.waitFor(1));
    QTest::qWait(100);
    EXPECT_EQ(late.names, std::vector<std::string>({kError})) << "reported once";

    KdeConnectSmsService missing(QString::fromStdString(dir.file("nothing-here")), "phone1");
    Reports none(missing);
    missing.sendSMSWithText("hi", "", "10086");
    ASSERT_TRUE(none.waitFor(1));
    EXPECT_EQ(none.names, std::vector<std::string>({kError}));
    EXPECT_FALSE(KdeConnectSmsService("kdeconnect-cli", "").sendSMSWithText("hi", "", "1"))
        << "no device: refused at once";
}

namespace {

struct CliRun {
    int status = -1;
    QString out, err;
};

// hushvault-cli in a process of its own (its system bus is its own), on the profile.
CliRun runCli(const test::TempDir& profile, QStringList arguments,
              const QList<std::pair<QString, QString>>& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) env.insert(name, value);
    process.setProcessEnvironment(env);
    arguments.prepend("--data-dir=" + QString::fromStdString(profile.path()));
    process.start(HV_CLI, arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

TEST(SmsChoice, AutoTakesTheModemThenAPairedPhoneThenTheOutboxAndSaysWhy) {
    test::TempDir profile;
    test::FakeModemManager fake;
    const QList<std::pair<QString, QString>> modemBus = {
        {"DBUS_SYSTEM_BUS_ADDRESS", fake.address()}};
    CliRun run = runCli(profile, {"sms", "status"}, modemBus);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "modem: ModemManager's modem /org/freedesktop/ModemManager1/Modem/0\n");
    run = runCli(profile, {"sms", "status", "--sms=kdeconnect"}, modemBus);
    EXPECT_TRUE(run.out.startsWith("kdeconnect: ")) << "asked for by name";

    const QStringList send = {"send", "--to",     "+86 138 0013 8000",  "--password",
                              "tea",  "--friend", "north gate at eight"};
    run = runCli(profile, send, modemBus);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_EQ(fake.sent().size(), 1u);
    EXPECT_EQ(fake.sent()[0].text + "\n", run.out) << "the whole body, as printed";
    EXPECT_EQ(fake.sent()[0].number, "13800138000") << "the normalised number";
    fake.setOutcome("fail");
    run = runCli(profile, send, modemBus);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.indexOf("could not send"), -1) << run.err.toStdString();

    test::TempDir tools;
    test::FakeModemManager busAlone(-1);
    run = runCli(profile, {"sms", "status"},
                 {{"DBUS_SYSTEM_BUS_ADDRESS", busAlone.address()},
                  {"HUSHVAULT_KDECONNECT_CLI", writeFakeKdeConnect(tools, 0)}});
    EXPECT_TRUE(run.out.startsWith("kdeconnect: no modem")) << run.out.toStdString();
    EXPECT_NE(run.out.indexOf("the reachable device phone1"), -1);

    run =
        runCli(profile, {"sms", "status"},
               {{"DBUS_SYSTEM_BUS_ADDRESS", busAlone.address()}, {"HUSHVAULT_KDECONNECT_CLI", ""}});
    EXPECT_TRUE(run.out.startsWith("outbox: no modem (ModemManager does not answer"))
        << run.out.toStdString();
    EXPECT_NE(run.out.indexOf("KDE Connect: kdeconnect-cli is not installed"), -1);
    EXPECT_EQ(runCli(profile, {"sms", "status", "--sms", "carrier-pigeon"}, {}).status, 2);
}
