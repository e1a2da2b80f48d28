// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AlertView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Localization.h"
#include "ui/Accessibility.h"
#include "ui/AlertKeyboardGuard.h"
#include "ui/Style.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

namespace hv {

namespace {

QList<QPointer<AlertView>>& onScreen() {
    static QList<QPointer<AlertView>> alerts;
    return alerts;
}

}  // namespace

AlertView::AlertView(const char* titleKey, const char* messageKey, const char* cancelKey,
                     const QList<const char*>& otherKeys, Callback callback)
    : AlertView(Layout::Centred, titleKey, messageKey, cancelKey, otherKeys, std::move(callback)) {}

AlertView::AlertView(Layout arrangement, const char* titleKey, const char* messageKey,
                     const char* cancelKey, const QList<const char*>& otherKeys, Callback callback)
    : box_(new QWidget(this)),
      title_(new QLabel(box_)),
      message_(new QLabel(box_)),
      callback_(std::move(callback)),
      layout_(arrangement) {
    setObjectName("alertView");
    setFocusPolicy(Qt::StrongFocus);
    Accessibility::setRole(this, QAccessible::AlertMessage);
    box_->setObjectName("alertBox");
    Style::apply(box_, Style::Role::AlertBox);
    title_->setObjectName("alertTitle");
    message_->setObjectName("alertMessage");
    Style::apply(title_, Style::Role::AlertTitle);
    for (QLabel* label : {title_, message_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setContentsMargins(12, 0, 12, 0);
    }
    title_->setText(titleKey ? localized(titleKey) : QString());
    message_->setText(messageKey ? localized(messageKey) : QString());
    title_->setVisible(titleKey != nullptr);
    message_->setVisible(messageKey != nullptr);
    describe();

    auto* layout = new QVBoxLayout(box_);
    // A sheet of buttons alone starts with its first button.
    layout->setContentsMargins(0, titleKey || messageKey || arrangement != Layout::Sheet ? 14 : 0,
                               0, 0);
    layout->setSpacing(6);
    layout->addWidget(title_);
    layout->addWidget(message_);
    QBoxLayout* row =
        arrangement == Layout::Sheet ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    row->setSpacing(0);
    QList<const char*> keys = otherKeys;
    if (cancelKey) {
        cancelIndex_ = arrangement == Layout::Sheet ? int(otherKeys.size()) : 0;
        keys.insert(cancelIndex_, cancelKey);
    }
    for (const char* key : keys) {
        auto* button = new QPushButton(localized(key), box_);
        button->setObjectName(QString("alertButton%1").arg(buttons_.size()));
        // The alert moves the keyboard between its buttons itself (Tab, Up and Down).
        button->setFocusPolicy(Qt::NoFocus);
        const int index = int(buttons_.size());
        connect(button, &QPushButton::clicked, this,
                [this, index] { dismissWithClickedButtonIndex(index); });
        buttons_.append(button);
        row->addWidget(button);
    }
    layout->addLayout(row);
}

void AlertView::setTitleText(const QString& text) {
    title_->setText(text);
    title_->setVisible(!text.isEmpty());
    placeBox();
    describe();
}

void AlertView::setMessageText(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    placeBox();
    describe();
}

void AlertView::describe() {
    // A screen reader reads the alert by its title and message; an alert without a title
    // (a question) is named by its message. A change while shown is read out again.
    const QString title = title_->text();
    const QString message = message_->text();
    setAccessibleName(title.isEmpty() ? message : title);
    setAccessibleDescription(title.isEmpty() || message == title ? QString() : message);
    if (isVisible()) Accessibility::announce(this);
}

void AlertView::placeBox() {
    // The box fits its texts and sits in the middle, also when a text changes while shown.
    // Wrapped labels are measured at the box's width: a size hint would guess a narrower
    // one and leave a blank line under a long single-line message.
    const int boxWidth =
        layout_ == Layout::Sheet ? qMax(0, qMin(width(), Window::kReadableWidth) - 16) : 270;
    box_->setFixedWidth(boxWidth);
    // Without a wrapped text (a sheet of buttons alone) no height depends on the width.
    QLayout* layout = box_->layout();
    box_->setFixedHeight(layout->hasHeightForWidth() ? layout->totalHeightForWidth(boxWidth)
                                                     : layout->totalSizeHint().height());
    const int y =
        layout_ == Layout::Sheet ? height() - box_->height() - 8 : (height() - box_->height()) / 2;
    box_->move((width() - box_->width()) / 2, y);
}

QLineEdit* AlertView::addTextField(bool secure) {
    if (!field_) {
        field_ = new QLineEdit(box_);
        field_->setObjectName("alertTextField");
        auto* layout = static_cast<QVBoxLayout*>(box_->layout());
        auto* holder = new QHBoxLayout;
        holder->setContentsMargins(5, 0, 5, 6);
        holder->addWidget(field_);
        layout->insertLayout(2, holder);
    }
    field_->setEchoMode(secure ? QLineEdit::Password : QLineEdit::Normal);
    // Named after the question the alert asks.
    field_->setAccessibleName(message_->text().isEmpty() ? title_->text() : message_->text());
    return field_;
}

void AlertView::addContentWidget(QWidget* widget) {
    auto* layout = static_cast<QVBoxLayout*>(box_->layout());
    layout->insertWidget(layout->count() - 1, widget, 0, Qt::AlignHCenter);
}

void AlertView::show(Window* window) {
    if (!window) window = Window::current();
    AlertKeyboardGuard::ensureInstalled();
    // An alert that went with its window, never dismissed, is no longer on screen: the
    // first alert after it must still note where the keyboard was, to give it back.
    onScreen().removeAll(QPointer<AlertView>());
    if (onScreen().isEmpty()) {
        focusBefore_ = QApplication::focusWidget();
        if (!focusBefore_ && window) focusBefore_ = window->focusWidget();
    }
    onScreen().append(this);
    if (window) {
        window->addOverlay(this);
    } else {
        resize(Window::kWidth, Window::kHeight);
        QWidget::show();
    }
    placeBox();
    if (field_)
        field_->setFocus();
    else
        setFocus();
}

void AlertView::focusNextControl(bool forward) {
    QList<QWidget*> controls;
    if (field_) controls.append(field_);
    for (QPushButton* button : std::as_const(buttons_)) controls.append(button);
    const int count = int(controls.size());
    if (count == 0) return;
    int next = forward ? 0 : count - 1;
    for (int i = 0; i < count; ++i)
        if (controls[i]->hasFocus()) next = (i + (forward ? 1 : count - 1)) % count;
    controls[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void AlertView::focusNextButton(bool forward) {
    const int count = int(buttons_.size());
    if (count == 0) return;
    int next = forward ? 0 : count - 1;
    for (int i = 0; i < count; ++i)
        if (buttons_[i]->hasFocus()) next = (i + (forward ? 1 : count - 1)) % count;
    buttons_[next]->setFocus();
}

void AlertView::tapDefaultButton() {
    for (int i = 0; i < int(buttons_.size()); ++i)
        if (buttons_[i]->hasFocus()) {
            dismissWithClickedButtonIndex(i);
            return;
        }
    const qsizetype others = buttons_.size() - (cancelIndex_ >= 0 ? 1 : 0);
    if (others == 1)
        dismissWithClickedButtonIndex(cancelIndex_ == 0 ? 1 : 0);
    else if (others == 0 && cancelIndex_ >= 0)
        dismissWithClickedButtonIndex(cancelIndex_);
}

void AlertView::tapCancelButton() {
    // An alert with one button (a notice) closes with it.
    if (cancelIndex_ >= 0)
        dismissWithClickedButtonIndex(cancelIndex_);
    else if (buttons_.size() == 1)
        dismissWithClickedButtonIndex(0);
}

void AlertView::dismissWithClickedButtonIndex(int index) {
    if (dismissed_) return;
    dismiss();
    if (callback_) callback_(this, index);
}

void AlertView::dismiss() {
    dismissed_ = true;
    onScreen().removeAll(this);
    hide();
    deleteLater();
    // The alerts still shown keep the keyboard; the last one gives it back.
    const QList<AlertView*> remaining = visibleAlerts();
    if (!remaining.isEmpty()) {
        if (!remaining.first()->focusBefore_) remaining.first()->focusBefore_ = focusBefore_;
        remaining.last()->setFocus();
    } else if (focusBefore_ && focusBefore_->isVisible()) {
        focusBefore_->setFocus();
    } else if (Window* window = Window::of(this); window && window->topController()) {
        // What had the keyboard went away under the alert (a closed login, say): the
        // screen now on top takes it back where it had it, so Enter and Escape keep working.
        ViewController* top = window->topController();
        top->restoreFocus();
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !top->isAncestorOf(focus)) top->setFocus();
    }
}

QString AlertView::titleText() const {
    return title_->text();
}
QString AlertView::messageText() const {
    return message_->text();
}

QStringList AlertView::buttonTitles() const {
    QStringList titles;
    for (QPushButton* button : buttons_) titles.append(button->text());
    return titles;
}

QList<AlertView*> AlertView::visibleAlerts() {
    QList<AlertView*> alerts;
    for (const auto& alert : onScreen())
        if (alert) alerts.append(alert);
    return alerts;
}

void AlertView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 110));
}

}  // namespace hv
