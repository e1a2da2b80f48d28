// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AlertKeyboardGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "ui/AlertView.h"

namespace hv {

namespace {

AlertView* topAlert() {
    const auto alerts = AlertView::visibleAlerts();
    for (qsizetype i = alerts.size() - 1; i >= 0; --i)
        if (alerts[i]->isVisible()) return alerts[i];
    return nullptr;
}

bool inside(const AlertView* alert, const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && (widget == alert || alert->isAncestorOf(widget));
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

void AlertKeyboardGuard::ensureInstalled() {
    static AlertKeyboardGuard* guard = nullptr;
    if (guard || !qApp) return;
    guard = new AlertKeyboardGuard(qApp);
    qApp->installEventFilter(guard);
}

bool AlertKeyboardGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride && type != QEvent::Shortcut)
        return false;
    AlertView* alert = topAlert();
    if (!alert) return false;
    if (type == QEvent::Shortcut) {  // a shortcut of a screen under the alert
        auto* shortcut = qobject_cast<QShortcut*>(watched);
        return shortcut && !inside(alert, shortcut->parent());
    }
    if (!watched->isWidgetType()) return false;  // the window's copy; its widget follows
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    if (isEnter(key) || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab || (arrow && !alert->textField())) {
        // Only a key the alert itself was given taps a button: the Enter that opened the
        // alert (a field under it passing the key on to its parent) must not close it.
        if (type == QEvent::KeyPress && !key->isAutoRepeat() && inside(alert, watched)) {
            if (isEnter(key)) alert->tapDefaultButton();
            if (key->key() == Qt::Key_Escape) alert->tapCancelButton();
            if (arrow) alert->focusNextButton(key->key() == Qt::Key_Down);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                alert->focusNextControl(key->key() == Qt::Key_Tab);
        }
        return true;
    }
    return !inside(alert, watched);
}

}  // namespace hv
