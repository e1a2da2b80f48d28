#include "platform/NotificationCenter.h"

#include <algorithm>

namespace hv {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler) {
    registrations_.push_back({nextId_++, observer, name, std::move(handler)});
}

void NotificationCenter::removeObserver(QObject* observer) {
    std::erase_if(registrations_,
                  [observer](const Registration& r) { return r.observer == observer; });
}

void NotificationCenter::removeObserver(QObject* observer, const QString& name) {
    std::erase_if(registrations_,
                  [&](const Registration& r) { return r.observer == observer && r.name == name; });
}

void NotificationCenter::postNotification(const QString& name, const QVariant& object) {
    // Destroyed observers (null QPointer) are dropped here.
    std::erase_if(registrations_, [](const Registration& r) { return r.observer.isNull(); });
    std::vector<quint64> due;
    for (const auto& r : registrations_)
        if (r.name == name) due.push_back(r.id);
    const Notification notification{name, object};
    for (quint64 id : due) {
        const auto found = std::find_if(registrations_.begin(), registrations_.end(),
                                        [id](const Registration& r) { return r.id == id; });
        if (found == registrations_.end() || found->observer.isNull()) continue;
        const Handler handler = found->handler;  // the registration may go while it runs
        handler(notification);
    }
}

int NotificationCenter::observerCount(const QString& name) const {
    return int(std::count_if(
        registrations_.begin(), registrations_.end(),
        [&](const Registration& r) { return r.name == name && !r.observer.isNull(); }));
}

}  // namespace hv
