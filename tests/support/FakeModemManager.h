#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>
#include <tuple>
#include <vector>

namespace hv::test {

// A private D-Bus daemon of the test's own, and on it (unless asked not to) a fake
// ModemManager made by python-dbusmock from tests/support/fake_modemmanager.py. Both
// stop with the object; nothing is left running.
class FakeModemManager {
public:
    struct Sent {
        QString modem, number, text;
    };

    // modems < 0: the bus alone, without ModemManager.
    explicit FakeModemManager(int modems = 1, const QString& outcome = "ok");
    ~FakeModemManager();

    // The bus's address, and a connection of the test's own to it.
    QString address() const { return address_; }
    QDBusConnection connection() const;

    QString addModem();
    void removeModem(const QString& path);
    void setOutcome(const QString& outcome);
    std::vector<Sent> sent();
    QStringList smsObjects();

private:
    QVariant control(const QString& method, const QList<QVariant>& arguments = {});

    QTemporaryFile config_;
    QProcess bus_;
    QProcess mock_;
    QString address_;
    QString connectionName_;
};

}  // namespace hv::test
