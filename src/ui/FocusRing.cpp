// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FocusRing.h"

#include <QFocusEvent>

#include "ui/Style.h"

namespace hv {

FocusRing::FocusRing(QWidget* target, int radius) : QFrame(target), target_(target) {
    setObjectName("focusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(Style::focusRing(objectName(), radius));
    hide();
    target->installEventFilter(this);
}

void FocusRing::attach(QWidget* target, int radius) {
    new FocusRing(target, radius);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) return false;
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            setGeometry(target_->rect());
            show();
            raise();
        }
    } else if (event->type() == QEvent::FocusOut) {
        hide();
    } else if (event->type() == QEvent::Resize) {
        setGeometry(target_->rect());
    }
    return false;
}

}  // namespace hv
