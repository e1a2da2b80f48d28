#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace hv {

struct Notification {
    QString name;
    QVariant object;  // invalid when the poster gave none
};

// Named notifications, delivered synchronously on the UI thread in the order the
// observers registered. An observer is dropped when it is destroyed, so a screen that
// goes away never hears another notification. Observers may be added or removed while a
// notification is delivered; one removed then is not called.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    // The process's centre, made at first use and never destroyed before exit.
    static NotificationCenter& defaultCenter();

    void addObserver(QObject* observer, const QString& name, Handler handler);
    void removeObserver(QObject* observer);
    void removeObserver(QObject* observer, const QString& name);
    void postNotification(const QString& name, const QVariant& object = {});

    int observerCount(const QString& name) const;

private:
    struct Registration {
        quint64 id;
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    std::vector<Registration> registrations_;
    quint64 nextId_ = 1;
};

}  // namespace hv
