// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeKdeConnect.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace hv::test {

FakeKdeConnect::FakeKdeConnect(const std::vector<Device>& devices) {
    QJsonArray list;
    for (const Device& device : devices)
        list.append(
            QJsonObject{{"id", device.id}, {"reachable", device.reachable}, {"sms", device.sms}});
    startFake(HV_FAKE_KDECONNECT,
              QString::fromUtf8(QJsonDocument(QJsonObject{{"devices", list}}).toJson()),
              "org.kde.kdeconnect");
}

}  // namespace hv::test
