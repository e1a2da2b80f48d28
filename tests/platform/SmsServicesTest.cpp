// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real SMS services against fakes of what they talk to: ModemManager and the KDE
// Connect daemon on private D-Buses (python-dbusmock), and a kdeconnect-cli on disk that
// records its arguments; and hushvault-cli's choice among them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <sstream>

#include "cli/CliApplication.h"
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
constexpr int kDisabled = 3;

}  // namespace

TEST(ModemManagerSms, SendsOnTheFirstRegisteredModemInPathOrderAndFollowsModemsAndStates) {
    // A laptop's switched-off mobile broadband before the phone's own modems.
    test::FakeModemManager fake({.modems = 1, .state = kDisabled});
    ModemManagerSmsService service(fake.connection(), 2000);
    Reports reports(service);
    ASSERT_TRUE(eventually([&] { return !service.isLookingUp(); }));
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086")) << "no modem: refused at once";
    EXPECT_TRUE(service.absenceReason().contains("disabled"))
        << service.absenceReason().toStdString();

    QStringList modems;  // Modem/1 to Modem/11
    for (int i = 0; i < 11; ++i) modems.append(fake.addModem());
    EXPECT_TRUE(eventually([&] { return service.modemPath() == modems[0]; }))
        << "a disabled Modem/0 does not hide Modem/1";
    fake.removeModem(modems[0]);
    EXPECT_TRUE(eventually([&] { return service.modemPath() == modems[1]; }))
        << "Modem/2 comes before Modem/10";
    const std::string body = "Hushvault message: hiddenmsg://AbC+/9=\n第二行 \"quoted\"; --x";
    ASSERT_TRUE(service.sendSMSWithText(body, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    const auto sent = fake.sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].modem, modems[1]);
    EXPECT_EQ(sent[0].number, "+8613800138000");
    EXPECT_EQ(sent[0].text.toStdString(), body);
    EXPECT_TRUE(eventually([&] { return fake.smsObjects().isEmpty(); }))
        << "sent messages do not pile up on the modem";

    for (int i = 1; i < 11; ++i) fake.removeModem(modems[i]);
    fake.setModemState(kModem0, 11);  // connected
    EXPECT_TRUE(eventually([&] { return service.modemPath() == kModem0; }));
    fake.setOutcome("silent");  // the reply never comes in time
    ASSERT_TRUE(service.sendSMSWithText("hi", "", "10086"));
    ASSERT_TRUE(reports.waitFor(2));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent, kError}));
    fake.setModemState(kModem0, kDisabled);
    EXPECT_TRUE(eventually([&] { return service.modemPath().isEmpty(); }));
    EXPECT_FALSE(service.sendSMSWithText("hi", "", "10086"));
}

TEST(ModemManagerSms, NothingWaitsForASlowOrMissingModemManager) {
    // Busy at boot: the first list of modems comes long after the service asked for it.
    test::FakeModemManager fake({.delay = 1.5, .delayedCalls = 1});
    ModemManagerSmsService service(fake.connection(), 2000, 300);
    EXPECT_TRUE(service.isLookingUp()) << "made without waiting for ModemManager";
    EXPECT_TRUE(service.modemPath().isEmpty());
    EXPECT_TRUE(eventually([&] { return service.modemPath() == kModem0; }));

    // Without ModemManager nothing is sent, and the service says why.
    test::FakeModemManager busAlone(-1);
    ModemManagerSmsService none(busAlone.connection());
    ASSERT_TRUE(eventually([&] { return !none.isLookingUp(); }));
    EXPECT_FALSE(none.isManagerPresent());
    EXPECT_FALSE(none.sendSMSWithText("hi", "", "10086"));
    EXPECT_TRUE(none.absenceReason().contains("ModemManager"));
}

namespace {

// A kdeconnect-cli that lists two devices and records each argument of a send, NUL-ended.
QString writeFakeKdeConnect(const test::TempDir& dir, int exitCode, int seconds = 0) {
    const QString program = QString::fromStdString(test::writeFile(
        dir.file("kdeconnect-cli"),
        QString("#!/bin/sh\n"
                "if [ \"$1\" = --list-available ]; then printf 'phone1\\nphone2\\n'; exit 0; "
                "fi\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\"; done >> '%1'\n"
                "[ %2 -gt 0 ] && exec sleep %2\nexit %3\n")
            .arg(QString::fromStdString(dir.file("arguments")))
            .arg(seconds)
            .arg(exitCode)
            .toStdString()));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

// The messages kept in the profile's Outbox.
qsizetype outboxFiles(const test::TempDir& profile) {
    return QDir(QString::fromStdString(profile.file("Outbox"))).entryList(QDir::Files).size();
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
    EXPECT_EQ(outboxFiles(documents), 1);
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

TEST(KdeConnectSms, SendsThroughAReachablePhoneWithTheSmsPluginAndTheTextAsOneArgument) {
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
    const std::string text = "--device evil \"quoted\" 'single'; rm -rf ~\n$(id) `id`\nend";
    ASSERT_TRUE(service.sendSMSWithText(text, "", "+8613800138000"));
    ASSERT_TRUE(reports.waitFor(1));
    EXPECT_EQ(reports.names, std::vector<std::string>({kSent}));
    EXPECT_EQ(QString::fromStdString(test::readFile(dir.file("arguments"))).split(QChar(0)),
              QStringList({"--send-sms", QString::fromStdString(text), "--destination",
                           "+8613800138000", "--device", "phone2", ""}));  // "": after the last NUL
    daemon.setReachable("phone2", false);
    EXPECT_TRUE(eventually([&] { return service.device().isEmpty(); }));
}

TEST(KdeConnectSms, AFailingSlowOrMissingToolIsASendError) {
    test::TempDir dir;
    KdeConnectSmsService failing(writeFakeKdeConnect(dir, 1), "phone2", kNoBus);
    Reports failed(failing);
    ASSERT_TRUE(eventually([&] { return failing.device() == "phone2"; }))
        << "the named device, from the tool's list";
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

TEST(SmsChoice, AMessageOnlyKeptInTheOutboxIsNotCalledSent) {
    test::TempDir profile;
    std::ostringstream out, err;
    // hushvault-cli on the profile, in surroundings without buses or a kdeconnect-cli.
    const auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "--data-dir=" + profile.path());
        std::istringstream in;
        out.str("");
        err.str("");
        return cli::runCli(arguments, in, out, err);
    };
    run({"sms", "status"});
    EXPECT_EQ(out.str().rfind("outbox: no modem (", 0), 0u) << out.str();
    EXPECT_NE(out.str().find("KDE Connect: kdeconnect-cli is not installed"), std::string::npos);

    std::vector<std::string> send = {"send", "--to",     "+86 138 0013 8000",  "--password",
                                     "tea",  "--friend", "north gate at eight"};
    EXPECT_EQ(run(send), 3) << err.str();
    EXPECT_NE(out.str().find("hiddenmsg://"), std::string::npos) << "the body is still printed";
    EXPECT_NE(err.str().find("NOT sent"), std::string::npos) << err.str();
    EXPECT_EQ(outboxFiles(profile), 1);

    send.push_back("--sms=outbox");
    EXPECT_EQ(run(send), 0) << "the Outbox was asked for";
    EXPECT_EQ(err.str(), "");
}
