#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>

#include "sms/SmsService.h"

class QDBusMessage;

namespace hv {

// Sends through the phone's modem, driven by ModemManager on the system bus (the way the
// phone's own SMS applications do): Messaging.Create with the number and the text, then
// Sms.Send, whose reply decides between "sent" and "send error" (a D-Bus error, a timeout
// or a refused authorisation alike); the SMS object is deleted from the modem afterwards.
// Modems that come and go are followed. With several modems that can send, the first in
// path order (Modem/0 before Modem/1 before Modem/10) is used.
class ModemManagerSmsService : public QObject, public SmsService {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.ModemManager1";
    static constexpr int kDefaultTimeout = 120000;  // ms; a network may take its time

    // timeout: how long a call to ModemManager may take before it counts as failed.
    explicit ModemManagerSmsService(QDBusConnection bus = QDBusConnection::systemBus(),
                                    int timeout = kDefaultTimeout, QObject* parent = nullptr);

    // True when a modem that can send is known (the message is handed to it).
    bool sendSMSWithText(const std::string& text, const std::string& serviceCenter,
                         const std::string& toAddress) override;

    // Whether ModemManager answered, the modem in use (empty for none), and why not.
    bool isManagerPresent() const { return managerPresent_; }
    QString modemPath() const { return modems_.isEmpty() ? QString() : modems_.first(); }
    QString absenceReason() const { return absence_; }

signals:
    void modemsChanged();

private slots:
    void interfacesAdded(const QDBusMessage& message);
    void interfacesRemoved(const QDBusMessage& message);

private:
    static constexpr int kScanTimeout = 3000;  // ms

    static QDBusMessage managedObjectsCall();
    // The modems of a GetManagedObjects reply (none for an error).
    void takeObjects(const QDBusMessage& reply);
    void addModem(const QString& path);
    void removeModem(const QString& path);
    void send(const QString& modem, const QString& sms);
    void remove(const QString& modem, const QString& sms);

    QDBusConnection bus_;
    int timeout_;
    QStringList modems_;  // that can send, in path order
    bool managerPresent_ = false;
    QString absence_;
};

}  // namespace hv
