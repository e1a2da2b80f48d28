// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TelephonyCenter.h"

#include "sms/SmsService.h"

namespace hv {

TelephonyCenter& TelephonyCenter::defaultCenter() {
    // Made on the UI thread (the first call comes from start-up), where it delivers.
    static auto* center = new TelephonyCenter;
    return *center;
}

QMetaObject::Connection TelephonyCenter::addObserver(
    QObject* observer, std::function<void(const QString& name)> callback) {
    return connect(this, &TelephonyCenter::reported, observer, std::move(callback),
                   Qt::DirectConnection);
}

void TelephonyCenter::removeObserver(QObject* observer) {
    disconnect(this, &TelephonyCenter::reported, observer, nullptr);
}

int TelephonyCenter::observerCount() const {
    return receivers(SIGNAL(reported(QString)));
}

void TelephonyCenter::post(const QString& name) {
    QMetaObject::invokeMethod(
        this, [this, name] { emit reported(name); }, Qt::QueuedConnection);
}

void TelephonyCenter::connectService(SmsService& service) {
    service.setReportSink([this](const std::string& name) { post(QString::fromStdString(name)); });
}

}  // namespace hv
