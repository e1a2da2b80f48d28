#include "ui/FocusRing.h"

#include <QFocusEvent>

namespace hv {

FocusRing::FocusRing(QWidget* target, int radius) : QFrame(target), target_(target) {
    setObjectName("focusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QString("#focusRing { border: 3px solid #ffcf40; border-radius: %1px;"
                          " background: transparent; }")
                      .arg(radius));
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
