#include "platform/TelephonyCenter.h"

#include <QCoreApplication>
#include <algorithm>

#include "sms/SmsService.h"

namespace hv {

TelephonyCenter& TelephonyCenter::defaultCenter() {
    static TelephonyCenter* center = [] {
        auto* made = new TelephonyCenter;
        if (QCoreApplication::instance())
            made->moveToThread(QCoreApplication::instance()->thread());
        return made;
    }();
    return *center;
}

void TelephonyCenter::addObserver(QObject* observer, Callback callback) {
    registrations_.push_back({observer, std::move(callback)});
}

void TelephonyCenter::removeObserver(QObject* observer) {
    std::erase_if(registrations_, [observer](const Registration& r) {
        return r.observer == observer || r.observer.isNull();
    });
}

int TelephonyCenter::observerCount() const {
    return int(std::count_if(registrations_.begin(), registrations_.end(),
                             [](const Registration& r) { return !r.observer.isNull(); }));
}

void TelephonyCenter::post(const QString& name) {
    QMetaObject::invokeMethod(
        this, [this, name] { deliver(name); }, Qt::QueuedConnection);
}

void TelephonyCenter::connectService(SmsService& service) {
    service.setReportSink([this](const std::string& name) { post(QString::fromStdString(name)); });
}

void TelephonyCenter::deliver(const QString& name) {
    const auto registrations = registrations_;  // callbacks may remove themselves
    for (const auto& r : registrations)
        if (r.observer) r.callback(name);
}

}  // namespace hv
