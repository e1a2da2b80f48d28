#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

namespace hv {

class SmsService;

// Where SMS services report what became of a message ("kCTMessageSentNotification",
// "kCTMessageSendErrorNotification"). Observers hear every name, on the UI thread, in a
// later turn of the event loop than the report itself, whichever thread made it.
// Observers are dropped when destroyed.
class TelephonyCenter : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(const QString& name)>;

    // The process's centre (lives on the UI thread, made at first use).
    static TelephonyCenter& defaultCenter();

    void addObserver(QObject* observer, Callback callback);
    void removeObserver(QObject* observer);
    int observerCount() const;

    // Queues a report; safe from any thread.
    void post(const QString& name);
    // Routes the service's reports here.
    void connectService(SmsService& service);

private:
    void deliver(const QString& name);

    struct Registration {
        QPointer<QObject> observer;
        Callback callback;
    };
    std::vector<Registration> registrations_;
};

}  // namespace hv
