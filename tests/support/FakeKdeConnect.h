// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "support/PrivateBus.h"

namespace hv::test {

// A fake KDE Connect daemon (tests/support/fake_kdeconnect.py) on a private session bus of
// its own: paired devices, each reachable or not and with or without the SMS plugin.
class FakeKdeConnect : public PrivateBus {
public:
    struct Device {
        QString id;
        bool reachable = true;
        bool sms = true;  // has the SMS plugin
    };

    explicit FakeKdeConnect(const std::vector<Device>& devices);

    // As a phone comes into reach or leaves it.
    void setReachable(const QString& id, bool reachable) {
        call("org.kde.kdeconnect", "/modules/kdeconnect", "org.hushvault.FakeKdeConnect",
             "SetReachable", {id, reachable});
    }
};

}  // namespace hv::test
