// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real SMS services against fakes of what they talk to: ModemManager and the KDE
// Connect daemon on private D-Buses (python-dbusmock), and a kdeconnect-cli on disk that
// records its arguments.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <functional>

#include "platform/AutoSmsService.h"
#include "platform/KdeConnectSmsService.h"
#include "platform/ModemManagerSmsService.h"
#include "sms/OutboxSmsService.h"
#include "support/FakeKdeConnect.h"
#include "support/FakeModemManager.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

// Runs the event loop until the condition holds, at most ten seconds; whether it came to.
bool eventually(const std::function<bool()>& condition) {
    for (int waited = 0; !condition() && waited < 10000; waited += 10) QTest::qWait(10);
    return condition();
}

// Every report of the service, in order.
struct Reports {
    explicit Reports(SmsService& service) {
        service.setReportSink([this](const std::string& name) { names.push_back(name); });
    }
    bool waitFor(std::size_t count) {
        return eventually([&] { return names.size() >= count; });
    }
    std::vector<std::string> names;
};

const std::string kSent = kCTMessageSentNotification;
const std::string kError = kCTMessageSendErrorNotification;
const QString kModem0 = "/org/freedesktop/ModemManager1/Modem/0";
const QString kModem1 = "/org/freedesktop/ModemManager1/Modem/1";
constexpr int kDisabled = 3;
constexpr int kConnected = 11;

}  // namespace

TEST(ModemManagerSms, SendsTheNumberAndTheWholeTextAndAnErrorOrNoReplyIsASendError) {
    test::FakeModemManager fake;
    ModemManagerSmsService service(fake.connection(), 2000);
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return service.modemPath() == kModem0; }));
    EXPECT_TRUE(service.isManagerPresent());
    const std::string body = "Hushvault message: hiddenmsg://AbC+/9=\n第二行 \"quoted\"; --x";
    ASSERT_TRUE(service.sendSMSWithText(body, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent}));
    const auto sent = fake.sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].number, "+8613800138000");
    EXPECT_EQ(sent[0].text.toStdString(), body);
    EXPECT_TRUE(eventually([&] { return fake.smsObjects().isEmpty(); }))
        << "sent messages do not pile up on the modem";

    for (const char* outcome : {"fail", "silent"}) {  // silent: the reply never comes in time
        fake.setOutcome(outcome);
        ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
        ASSERT_TRUE(reports.waitFor(reports.names.size() + 1)) << outcome;
        EXPECT_EQ(reports.names.back(), kError) << outcome;
    }
    EXPECT_EQ(fake.sent().size(), 3u);
}

TEST(ModemManagerSms, FollowsModemsThatComeAndGoAndTakesTheFirstInPathOrder) {
    test::FakeModemManager fake(0);
    ModemManagerSmsService service(fake.connection());
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return service.isManagerPresent(); }));
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086")) << "no modem: refused at once";
    EXPECT_FALSE(service.absenceReason().isEmpty());

    QStringList modems;
    for (int i = 0; i < 11; ++i) modems.append(fake.addModem());
    EXPECT_TRUE(eventually([&] { return service.modemPath() == modems[0]; }));
    fake.removeModem(modems[0]);
    EXPECT_TRUE(eventually([&] { return service.modemPath() == modems[1]; }))
        << "Modem/1 comes before Modem/10";

    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(fake.sent().at(0).modem, modems[1]);
    for (int i = 1; i < 11; ++i) fake.removeModem(modems[i]);
    EXPECT_TRUE(eventually([&] { return service.modemPath().isEmpty(); }));
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
}

TEST(ModemManagerSms, OnlyAModemRegisteredOnANetworkSendsAndItsStateIsFollowed) {
    // A laptop's switched-off mobile broadband before the phone's own modem.
    test::FakeModemManager fake({.modems = 1, .state = kDisabled});
    fake.addModem();
    ModemManagerSmsService service(fake.connection());
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return service.modemPath() == kModem1; }))
        << "a disabled Modem/0 does not hide Modem/1";
    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(fake.sent().at(0).modem, kModem1);

    fake.setModemState(kModem1, kDisabled);
    ASSERT_TRUE(eventually([&] { return service.modemPath().isEmpty(); }));
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
    EXPECT_TRUE(service.absenceReason().contains("disabled"))
        << service.absenceReason().toStdString();
    fake.setModemState(kModem0, kConnected);
    EXPECT_TRUE(eventually([&] { return service.modemPath() == kModem0; }));
}

TEST(ModemManagerSms, NothingWaitsForASlowModemManagerWhichIsAskedAgain) {
    // Busy at boot: the first list of modems comes long after the service asked for it.
    test::FakeModemManager fake({.delay = 1.5, .delayedCalls = 1});
    ModemManagerSmsService service(fake.connection(), 2000, 300);
    EXPECT_TRUE(service.isLookingUp()) << "made without waiting for ModemManager";
    EXPECT_TRUE(service.modemPath().isEmpty());
    EXPECT_TRUE(eventually([&] { return service.modemPath() == kModem0; }));
}

TEST(ModemManagerSms, WithoutModemManagerNothingIsSentAndItSaysWhy) {
    test::FakeModemManager busAlone(-1);
    ModemManagerSmsService service(busAlone.connection());
    ASSERT_TRUE(eventually([&] { return !service.isLookingUp(); }));
    EXPECT_FALSE(service.isManagerPresent());
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
    EXPECT_TRUE(service.absenceReason().contains("ModemManager"));
    EXPECT_FALSE(ModemManagerSmsService(QDBusConnection("not connected")).isManagerPresent());
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

// Without a session bus the tool lists the devices.
const QDBusConnection kNoBus("not connected");

}  // namespace

TEST(AutoSms, TakesAModemThatComesAfterTheStartAndTheOutboxBefore) {
    test::FakeModemManager fake(0);
    test::TempDir documents;
    AutoSmsService service(std::make_unique<ModemManagerSmsService>(fake.connection()), nullptr,
                           std::make_unique<OutboxSmsService>(documents.path()));
    Reports reports(service);
    EXPECT_EQ(service.route(), SmsRoute::Outbox);
    ASSERT_TRUE(service.sendSMSWithText("first", "", "10086"));
    EXPECT_EQ(
        QDir(QString::fromStdString(documents.path() + "/Outbox")).entryList(QDir::Files).size(),
        1);
    const QString modem = fake.addModem();
    EXPECT_TRUE(eventually([&] { return service.route() == SmsRoute::Modem; }));
    ASSERT_TRUE(service.sendSMSWithText("second", "", "10086"));
    ASSERT_TRUE(reports.waitFor(2));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent, kSent}));
    ASSERT_EQ(fake.sent().size(), 1u);
    EXPECT_EQ(fake.sent()[0].text, "second");

    fake.setModemState(modem, kDisabled);  // flight mode: the Outbox again
    EXPECT_TRUE(eventually([&] { return service.route() == SmsRoute::Outbox; }));
}

TEST(KdeConnectSms, SendsOnlyThroughAPairedReachablePhoneWithTheSmsPlugin) {
    // A laptop first in the daemon's list: paired and reachable, but it cannot send SMS.
    test::FakeKdeConnect daemon({{"laptop1", true, false}, {"phone2", false, true}});
    test::TempDir dir;
    KdeConnectSmsService service(writeFakeKdeConnect(dir, 0), "", daemon.connection());
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return !service.isLookingUp(); }));
    EXPECT_EQ(service.device(), "");
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086")) << "no phone: refused at once";

    daemon.setReachable("phone2", true);  // the phone comes home
    ASSERT_TRUE(eventually([&] { return service.device() == "phone2"; }));
    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(recordedArguments(dir).mid(4), QStringList({"--device", "phone2"}));
    daemon.setReachable("phone2", false);
    EXPECT_TRUE(eventually([&] { return service.device().isEmpty(); }));
}

TEST(KdeConnectSms, ATextThatLooksLikeOptionsOrShellArrivesAsOneArgumentUnchanged) {
    test::TempDir dir;
    KdeConnectSmsService service(writeFakeKdeConnect(dir, 0), "phone2", kNoBus);
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return service.device() == "phone2"; }))
        << "the named device, from the tool's list";
    const std::string text = "--device evil \"quoted\" 'single'; rm -rf ~\n$(id) `id`\nend";
    ASSERT_TRUE(service.sendSMSWithText(text, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent}));
    EXPECT_EQ(recordedArguments(dir),
              QStringList({"--send-sms", QString::fromStdString(text), "--destination",
                           "+8613800138000", "--device", "phone2"}));
}

TEST(KdeConnectSms, AFailingSlowOrMissingToolIsASendError) {
    test::TempDir dir;
    KdeConnectSmsService failing(writeFakeKdeConnect(dir, 1), "", kNoBus);
    Reports failed(failing);
    ASSERT_TRUE(eventually([&] { return failing.device() == "phone1"; }));
    ASSERT_TRUE(failing.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(failed.waitFor(1));
    EXPECT_EQ(failed.names, std::vector<std::string>({kError}));

    test::TempDir slowDir;
    KdeConnectSmsService slow(writeFakeKdeConnect(slowDir, 0, 5), "", kNoBus, 300);
    Reports late(slow);
    ASSERT_TRUE(eventually([&] { return !slow.device().isEmpty(); }));
    ASSERT_TRUE(slow.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(late.waitFor(1));
    QTest::qWait(100);
    EXPECT_EQ(late.names, std::vector<std::string>({kError})) << "reported once";
}

namespace {

struct CliRun {
    int status = -1;
    QString out, err;
};

// hushvault-cli in a process of its own, on the profile, with buses and a KDE Connect tool
// only where the test gives them.
CliRun runCli(const test::TempDir& profile, QStringList arguments,
              const QList<std::pair<QString, QString>>& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    env.insert(KdeConnectSmsService::kProgramVariable, "");
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

const QStringList kSend = {"send", "--to",     "+86 138 0013 8000",  "--password",
                           "tea",  "--friend", "north gate at eight"};

}  // namespace

TEST(SmsChoice, AMessageOnlyKeptInTheOutboxIsNotCalledSent) {
    test::TempDir profile;
    CliRun run = runCli(profile, {"sms", "status"}, {});
    EXPECT_TRUE(run.out.startsWith("outbox: no modem (")) << run.out.toStdString();
    EXPECT_NE(run.out.indexOf("KDE Connect: kdeconnect-cli is not installed"), -1);

    run = runCli(profile, kSend, {});
    EXPECT_EQ(run.status, 3) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("hiddenmsg://")) << "the body is still printed";
    EXPECT_NE(run.err.indexOf("NOT sent"), -1) << run.err.toStdString();
    EXPECT_EQ(QDir(QString::fromStdString(profile.file("Outbox"))).entryList(QDir::Files).size(),
              1);

    run = runCli(profile, QStringList(kSend) << "--sms=outbox", {});
    EXPECT_EQ(run.status, 0) << "the Outbox was asked for";
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}
