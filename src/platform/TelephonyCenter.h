#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace hv {

class SmsService;

// Where SMS services report what became of a message ("kCTMessageSentNotification",
// "kCTMessageSendErrorNotification"). A report may be posted from any thread; observers
// hear it on their own thread, in a later turn of the event loop, for as long as they
// exist and are not removed.
class TelephonyCenter : public QObject {
    Q_OBJECT
public:
    // The process's centre (made at first use, never destroyed before exit).
    static TelephonyCenter& defaultCenter();

    // Calls the callback with the name of every later report (a queued connection to
    // `reported`).
    QMetaObject::Connection addObserver(QObject* observer,
                                        std::function<void(const QString& name)> callback);
    void removeObserver(QObject* observer);
    // Observers registered now (for tests).
    int observerCount() const;

    void post(const QString& name);
    // Routes the service's reports here.
    void connectService(SmsService& service);

signals:
    void reported(const QString& name);
};

}  // namespace hv
