// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FirstFrameQuit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace hv {

void FirstFrameQuit::armIfRequested() {
    if (qgetenv(kVariable) != "1") return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameQuit(app));
}

bool FirstFrameQuit::eventFilter(QObject* watched, QEvent* event) {
    // A window's widgets are painted together in one pass; the quit is queued behind it.
    if (!drawn_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window()->isVisible()) {
        drawn_ = true;
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return false;
}

}  // namespace hv
