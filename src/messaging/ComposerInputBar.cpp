#include "messaging/ComposerInputBar.h"

#include <QPainter>
#include <QPushButton>

#include "ui/FocusRing.h"
#include "ui/GrowingTextView.h"
#include "ui/Style.h"

namespace hv {

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
    resize(320, textView_->height() + 6);
}

void ComposerInputBar::setBottom(int y) {
    const int height = textView_->height() + 6;
    setGeometry(0, y - height, parentWidget() ? parentWidget()->width() : 320, height);
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
    // Inside the field's rounded outline, which shows through the transparent text.
    textView_->setFrame(QRect(10, 3, 234, height() - 6));
    field_->setGeometry(2, 0, 248, height());
    field_->lower();
    sendButton_->setGeometry(252, height() - 29, 62, 26);
}

void ComposerInputBar::moveEvent(QMoveEvent*) {
    emit geometryChanged();
}

void ComposerInputBar::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(rect(), QPixmap(":/images/MessageEntryBackground.png"));
}

}  // namespace hv
