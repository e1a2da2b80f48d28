// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace hv {

// Desktop notifications: a title only (no body, so that no message text ever shows on a
// locked screen), and a signal when the user opens one.
class Notifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows a notification; its id, or 0 when none could be shown.
    virtual quint32 notify(const QString& title) = 0;

signals:
    // The notification's default action was invoked.
    void activated(quint32 id);
};

}  // namespace hv
