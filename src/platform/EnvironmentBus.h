// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>

namespace hv {

// The system and session buses that the environment names now. Qt's own default
// connections read DBUS_SYSTEM_BUS_ADDRESS and DBUS_SESSION_BUS_ADDRESS once per process
// and keep the answer; a process that starts the application more than once (the journeys)
// needs each start to reach the buses named at that start.
namespace EnvironmentBus {

QDBusConnection system();
QDBusConnection session();

}  // namespace EnvironmentBus

}  // namespace hv
