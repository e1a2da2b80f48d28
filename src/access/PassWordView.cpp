// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/PassWordView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <optional>

#include "access/PassCodeResult.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/Accessibility.h"
#include "ui/AlertView.h"
#include "ui/Picture.h"
#include "ui/Style.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr double kCleanAfterSeconds = 0.5;
const QColor kRed(0xd0, 0x02, 0x1b);

struct CodeMessage {
    int code;
    const char* key;
    std::optional<QColor> colour;  // none: keep the current colour
    bool clean;
};

const CodeMessage kMessages[] = {
    {kPassCodeMismatch, kKeyTwiceDifferent, kRed, true},
    {kPassCodeConfirmAdmin, kKeyInputAdminAgain, QColor(Qt::black), true},
    {kPassCodeConfirmNew, kKeyInputNewAgain, std::nullopt, true},
    {kPassCodeWrongOld, kKeyIncorrectOld, kRed, true},
    {kPassCodeEnterNew, kKeyNewPassWord, std::nullopt, true},
    {kPassCodeWrongAdmin, kKeyIncorrectAdmin, kRed, true},
    {kPassCodeNoPassword, kKeyNoPassWord, std::nullopt, false},
};

void setColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

PassWordView::PassWordView(QWidget* parent) : QWidget(parent) {
    setObjectName("psView");
    countLabel_ = new QLabel(localized(kKeyPassCode), this);
    countLabel_->setObjectName("countLabel");
    // What it says after a try (a wrong password) is read out as it appears.
    Accessibility::setRole(countLabel_, QAccessible::AlertMessage);
    countLabel_->setAlignment(Qt::AlignCenter);
    QFont labelFont("Arial");
    labelFont.setPixelSize(15);
    countLabel_->setFont(labelFont);
    setColour(countLabel_, Qt::black);

    lineTextField_ = new QLineEdit(this);
    lineTextField_->setObjectName("lineTextField");
    lineTextField_->setAccessibleName(localized(kKeyPassCode));
    lineTextField_->setEchoMode(QLineEdit::Password);
    lineTextField_->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhHiddenText |
                                        Qt::ImhSensitiveData);
    lineTextField_->setAlignment(Qt::AlignCenter);
    QFont fieldFont("Arial");
    fieldFont.setPixelSize(22);
    lineTextField_->setFont(fieldFont);
    Style::apply(lineTextField_, Style::Role::PassCodeField);
    // Enter on a keyboard submits, as the screen's bar button does, and the keyboard stays
    // in the input line for the next attempt. (A phone's numeric keypad has no Enter.)
    connect(lineTextField_, &QLineEdit::returnPressed, this, [this] { setFieldWithNumber(); });
    lineTextField_->installEventFilter(this);
    layOutPad();
    setIsFirstResponder(true);
}

bool PassWordView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineTextField_ && event->type() == QEvent::KeyPress && cleanPending_) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            cleanPending_ = false;
            cleanField();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PassWordView::resizeEvent(QResizeEvent*) {
    layOutPad();
}

void PassWordView::layOutPad() {
    fitStatusLine();
    lineTextField_->setGeometry((width() - 240) / 2, 80, 240, 40);
}

void PassWordView::fitStatusLine() {
    // One line at (0, 50), 20 high, in 15 points; a longer message first in a smaller
    // font, then in two lines that grow upwards, never into the input line.
    QFont font = countLabel_->font();
    const int room = width() - 8;
    for (int size = 15; size >= 12; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(countLabel_->text()) <= room) {
            countLabel_->setFont(font);
            countLabel_->setWordWrap(false);
            countLabel_->setGeometry(0, 50, width(), 20);
            return;
        }
    }
    font.setPixelSize(13);
    countLabel_->setFont(font);
    countLabel_->setWordWrap(true);
    countLabel_->setGeometry(4, 28, room, 44);
}

void PassWordView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Picture::paintCovering(painter, rect(), ":/images/bg3.png");
}

void PassWordView::setIsFirstResponder(bool flag) {
    isFirstResponder_ = flag;
    if (flag)
        lineTextField_->setFocus();
    else
        lineTextField_->clearFocus();
}

void PassWordView::mousePressEvent(QMouseEvent*) {
    setIsFirstResponder(!isFirstResponder_);
}

void PassWordView::cleanField() {
    lineTextField_->clear();
}

void PassWordView::setFieldWithNumber() {
    const QString typed = lineTextField_->text();
    if (typed.size() < 4) {
        (new AlertView(kKeyWarning, kKeyPasswordLength, kKeySure, {}))->show(Window::of(this));
        return;
    }
    if (delegate_) showResult(delegate_->checkPassWordWithstring(typed));
}

void PassWordView::showResult(int code) {
    for (const CodeMessage& message : kMessages) {
        if (message.code != code) continue;
        countLabel_->setText(localized(message.key));
        fitStatusLine();
        Accessibility::announce(countLabel_);
        if (message.colour) setColour(countLabel_, *message.colour);
        // Empties what was submitted. A next entry begun before then starts in an empty
        // field instead, and is not emptied under the user's fingers.
        if (message.clean) {
            cleanPending_ = true;
            after(kCleanAfterSeconds, this, [this, submission = ++submissions_] {
                if (submission != submissions_ || !cleanPending_) return;
                cleanPending_ = false;
                cleanField();
            });
        }
        return;
    }
}

}  // namespace hv
