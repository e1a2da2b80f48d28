#include "support/FakeModemManager.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>

#include <signal.h>
#include <sys/prctl.h>

namespace hv::test {

namespace {

constexpr const char* kService = "org.freedesktop.ModemManager1";
constexpr const char* kPath = "/org/freedesktop/ModemManager1";
constexpr const char* kControl = "org.hushvault.FakeModemManager";

int counter = 0;

}  // namespace

FakeModemManager::FakeModemManager(int modems, const QString& outcome)
    : connectionName_(QString("fake-modemmanager-%1").arg(counter++)) {
    // A bus of the test's own that starts no services, and that goes if the test dies.
    config_.open();
    config_.write(
        R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>custom</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
)");
    config_.flush();
    for (QProcess* process : {&bus_, &mock_})
        process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    bus_.start("dbus-daemon",
               {"--config-file=" + config_.fileName(), "--nofork", "--print-address=1"});
    EXPECT_TRUE(bus_.waitForReadyRead(10000)) << "dbus-daemon did not start";
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    if (modems < 0) return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address_);
    mock_.setProcessEnvironment(environment);
    mock_.setProcessChannelMode(QProcess::ForwardedChannels);
    mock_.start(HV_PYTHON3,
                {"-m", "dbusmock", "--template", HV_FAKE_MODEMMANAGER, "-p",
                 QString(R"({"modems": %1, "outcome": "%2"})").arg(modems).arg(outcome)});
    QDBusConnection bus = connection();
    for (int waited = 0; waited < 10000; waited += 20) {
        if (bus.interface()->isServiceRegistered(kService)) return;
        QTest::qWait(20);
    }
    ADD_FAILURE() << "the fake ModemManager did not come up";
}

FakeModemManager::~FakeModemManager() {
    QDBusConnection::disconnectFromBus(connectionName_);
    for (QProcess* process : {&mock_, &bus_}) {
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(5000);
    }
}

QDBusConnection FakeModemManager::connection() const {
    return QDBusConnection::connectToBus(address_, connectionName_);
}

QVariant FakeModemManager::control(const QString& method, const QList<QVariant>& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kControl, method);
    call.setArguments(arguments);
    const QDBusMessage reply = connection().call(call, QDBus::Block, 10000);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0);
}

QString FakeModemManager::addModem() {
    return control("AddModem").value<QDBusObjectPath>().path();
}

void FakeModemManager::removeModem(const QString& path) {
    control("RemoveModem", {QVariant::fromValue(QDBusObjectPath(path))});
}

void FakeModemManager::setOutcome(const QString& outcome) {
    control("SetOutcome", {outcome});
}

std::vector<FakeModemManager::Sent> FakeModemManager::sent() {
    std::vector<Sent> all;
    const QDBusArgument list = control("Sent").value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        Sent one;
        list.beginStructure();
        list >> one.modem >> one.number >> one.text;
        list.endStructure();
        all.push_back(one);
    }
    list.endArray();
    return all;
}

QStringList FakeModemManager::smsObjects() {
    QStringList paths;
    const QDBusArgument list = control("SmsObjects").value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QDBusObjectPath path;
        list >> path;
        paths.append(path.path());
    }
    list.endArray();
    return paths;
}

}  // namespace hv::test
