// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace hv {

// While an alert is on screen it has the keyboard: Enter taps its default button, Escape
// its cancel button, and no key or shortcut reaches anything under it (an application
// event filter, installed with the first alert shown).
class AlertKeyboardGuard : public QObject {
    Q_OBJECT
public:
    static void ensureInstalled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace hv
