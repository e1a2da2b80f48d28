// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeModemManager.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace hv::test {

FakeModemManager::FakeModemManager(const Options& options) {
    if (options.modems < 0) return;
    const QJsonObject parameters{{"modems", options.modems},
                                 {"outcome", options.outcome},
                                 {"state", options.state},
                                 {"delay", options.delay},
                                 {"delayed_calls", options.delayedCalls}};
    startFake(HV_FAKE_MODEMMANAGER, QString::fromUtf8(QJsonDocument(parameters).toJson()),
              kService);
}

std::vector<FakeModemManager::Sent> FakeModemManager::sent() {
    std::vector<Sent> all;
    const QStringList fields = control("Sent").toStringList();  // modem, number, text, ...
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3)
        all.push_back({fields[i], fields[i + 1], fields[i + 2]});
    return all;
}

}  // namespace hv::test
