// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PhoneShell.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace hv {

bool PhoneShell::detected() {
    // Phosh names itself among the session's desktops ("Phosh:GNOME"); Plasma Mobile says
    // "phone" (or a variant of it) as its platform.
    const QList<QByteArray> desktops = qgetenv("XDG_CURRENT_DESKTOP").split(':');
    for (const QByteArray& desktop : desktops)
        if (desktop.trimmed().compare("phosh", Qt::CaseInsensitive) == 0) return true;
    return qgetenv("PLASMA_PLATFORM").startsWith("phone");
}

void PhoneShell::prepareEnvironment() {
    // Qt draws a desktop title bar on Wayland unless told not to; a phone shell has none.
    if (detected() && !qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

}  // namespace hv
