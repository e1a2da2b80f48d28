// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeKdeConnect.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace hv::test {

namespace {

constexpr const char* kService = "org.kde.kdeconnect";

}  // namespace

FakeKdeConnect::FakeKdeConnect(const std::vector<Device>& devices) {
    QJsonArray list;
    for (const Device& device : devices)
        list.append(
            QJsonObject{{"id", device.id}, {"reachable", device.reachable}, {"sms", device.sms}});
    startFake(HV_FAKE_KDECONNECT,
              QString::fromUtf8(QJsonDocument(QJsonObject{{"devices", list}}).toJson()), kService);
}

void FakeKdeConnect::setReachable(const QString& id, bool reachable) {
    call(kService, "/modules/kdeconnect", "org.hushvault.FakeKdeConnect", "SetReachable",
         {id, reachable});
}

}  // namespace hv::test
