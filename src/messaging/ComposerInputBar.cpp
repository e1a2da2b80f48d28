// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/ComposerInputBar.h"

#include <QPainter>
#include <QPushButton>

#include "ui/FocusRing.h"
#include "ui/GrowingTextView.h"
#include "ui/Picture.h"
#include "ui/Style.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr int kSendRoom = 72;  // right of the field: "Send" and the margins around it

}  // namespace

ComposerInputBar::ComposerInputBar(QWidget* parent)
    : QWidget(parent),
      field_(new QWidget(this)),
      textView_(new GrowingTextView(this)),
      sendButton_(new QPushButton("Send", this)) {
    setObjectName("containerView");
    field_->setObjectName("messageEntryField");
    Style::apply(field_, Style::Role::MessageEntryField);
    textView_->setObjectName("textView");
    Style::apply(textView_, Style::Role::MessageText);
    textView_->setMinNumberOfLines(1);
    textView_->setMaxNumberOfLines(5);
    QFont font = textView_->font();
    font.setPixelSize(15);
    textView_->setFont(font);
    textView_->setDelegate(this);
    sendButton_->setObjectName("sendButton");
    sendButton_->setCursor(Qt::PointingHandCursor);
    Style::apply(sendButton_, Style::Role::SendButton);
    FocusRing::attach(sendButton_, 9);
    resize(Window::kWidth, textView_->height() + 6);
}

void ComposerInputBar::setBottom(int y) {
    const int height = textView_->height() + 6;
    setGeometry(0, y - height, parentWidget() ? parentWidget()->width() : Window::kWidth, height);
}

void ComposerInputBar::growingTextViewWillChangeHeight(GrowingTextView*, int height) {
    const int keptBottom = bottom();
    setGeometry(x(), keptBottom - (height + 6), width(), height + 6);
}

void ComposerInputBar::growingTextViewDidChange(GrowingTextView*) {
    emit textChanged();
}

void ComposerInputBar::resizeEvent(QResizeEvent*) {
    layOutBar();
    emit geometryChanged();
}

void ComposerInputBar::layOutBar() {
    // The field takes the width "Send" leaves, up to a readable width centred on a wide
    // screen; the text sits inside the field's rounded outline, which shows through it.
    const int column = qMin(width(), Window::kReadableWidth);
    const int left = (width() - column) / 2;
    const int fieldWidth = column - kSendRoom;
    textView_->setFrame(QRect(left + 10, 3, fieldWidth - 14, height() - 6));
    field_->setGeometry(left + 2, 0, fieldWidth, height());
    field_->lower();
    sendButton_->setGeometry(left + column - 68, height() - 29, 62, 26);
}

void ComposerInputBar::moveEvent(QMoveEvent*) {
    emit geometryChanged();
}

void ComposerInputBar::paintEvent(QPaintEvent*) {
    // A strip whose shade runs top to bottom: it stretches sideways unchanged.
    QPainter(this).drawPixmap(rect(),
                              Picture::forWidget(":/images/MessageEntryBackground.png", this));
}

}  // namespace hv
