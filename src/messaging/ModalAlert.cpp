// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/ModalAlert.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLineEdit>
#include <QPointer>
#include <QPropertyAnimation>

#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr double kMoveAfter = 0.7;
constexpr int kMoveMilliseconds = 250;

// Moves the alert's box up so that its bottom sits above the on-screen keyboard, if one
// covers it.
void moveAboveKeyboard(AlertView* alert) {
    const QRectF keyboard = QGuiApplication::inputMethod()->keyboardRectangle();
    if (!keyboard.isValid() || keyboard.isEmpty() || !alert->window()) return;
    QWidget* box = alert->box();
    const int keyboardTop = alert->mapFrom(alert->window(), keyboard.topLeft().toPoint()).y();
    const int overlap = box->geometry().bottom() + 1 - keyboardTop;
    if (overlap <= 0) return;
    auto* animation = new QPropertyAnimation(box, "pos", box);
    animation->setDuration(kMoveMilliseconds);
    animation->setEndValue(QPoint(box->x(), qMax(0, box->y() - overlap - 8)));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace

AlertView* ModalAlert::ask(const char* titleKey, const char* promptKey, Window* window,
                           Answer answer) {
    auto* alert = new AlertView(titleKey, nullptr, kKeyCancel, {kKeySure},
                                [answer](AlertView* shown, int index) {
                                    if (index == 0)
                                        answer(std::nullopt);
                                    else
                                        answer(shown->textField()->text());
                                });
    QLineEdit* field = alert->addTextField(false);
    field->setFixedSize(260, 30);
    field->setPlaceholderText(localized(promptKey));
    field->setClearButtonEnabled(true);
    field->setInputMethodHints(Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText |
                               Qt::ImhPreferLatin);
    alert->show(window);
    QPointer<AlertView> shown(alert);
    after(kMoveAfter, alert, [shown] {
        if (shown) moveAboveKeyboard(shown);
    });
    return alert;
}

}  // namespace hv
