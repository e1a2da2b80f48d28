// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>

#include <signal.h>
#include <sys/prctl.h>

namespace hv::test {

// The processes go with the test, also when it is killed.
static void dieWithTheTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

PrivateBus::PrivateBus() {
    static int counter = 0;
    connectionName_ = QString("private-bus-%1").arg(counter++);
    config_.open();
    config_.write(R"(<busconfig><type>custom</type><listen>unix:tmpdir=/tmp</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)");
    config_.flush();
    dieWithTheTest(daemon_);
    daemon_.start("dbus-daemon",
                  {"--config-file=" + config_.fileName(), "--nofork", "--print-address=1"});
    EXPECT_TRUE(daemon_.waitForReadyRead(10000)) << "dbus-daemon did not start";
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    QDBusConnection::disconnectFromBus(connectionName_);
    for (QProcess& fake : fakes_) {
        fake.kill();
        fake.waitForFinished(5000);
    }
    daemon_.kill();
    daemon_.waitForFinished(5000);
}

void PrivateBus::startFake(const QString& templatePath, const QString& parameters,
                           const QString& service) {
    QProcess& fake = fakes_.emplace_back();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address_);
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address_);
    fake.setProcessEnvironment(environment);
    // Its log of every call goes nowhere; its errors to the test's output.
    fake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    fake.setStandardOutputFile(QProcess::nullDevice());
    dieWithTheTest(fake);
    fake.start(HV_PYTHON3, {"-m", "dbusmock", "--template", templatePath, "-p", parameters});
    const QDBusConnection bus = connection();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(service); }, 10000))
        << "the fake " << service.toStdString() << " did not come up";
}

QVariant PrivateBus::call(const QString& service, const QString& path, const QString& interface,
                          const QString& method, const QList<QVariant>& arguments) const {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = connection().call(call, QDBus::Block, 10000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0);
}

}  // namespace hv::test
