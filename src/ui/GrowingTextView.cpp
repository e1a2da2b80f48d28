// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GrowingTextView.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/Clock.h"
#include "ui/GrowingTextViewInternal.h"

namespace hv {

namespace {

constexpr double kHeightAnimationSeconds = 0.1;

}  // namespace

GrowingTextView::GrowingTextView(QWidget* parent)
    : QWidget(parent), internal_(new GrowingTextViewInternal(this)) {
    setObjectName("growingTextView");
    internal_->setGeometry(0, 0, width(), height());
    QFont font("Helvetica");
    font.setPixelSize(13);
    internal_->setFont(font);
    minHeight_ = measureLines(1);
    minNumberOfLines_ = 1;
    animateHeightChange_ = true;
    setMaxNumberOfLines(3);
    connect(internal_, &QTextEdit::textChanged, this, &GrowingTextView::adjustHeight);
    connect(internal_, &QTextEdit::selectionChanged, this, [this] {
        if (delegate_) delegate_->growingTextViewDidChangeSelection(this);
    });
}

int GrowingTextView::measureLines(int lines) {
    const QString kept = internal_->toPlainText();
    const bool blocked = internal_->blockSignals(true);
    internal_->hide();
    QString probe = "-";
    for (int i = 1; i < lines; ++i) probe += "\n|W|";
    internal_->setPlainText(probe);
    const int height = internal_->contentHeight();
    internal_->setPlainText(kept);
    internal_->show();
    internal_->blockSignals(blocked);
    return height;
}

void GrowingTextView::setMaxNumberOfLines(int lines) {
    maxHeight_ = measureLines(lines);
    sizeToFit();
    maxNumberOfLines_ = lines;
}

void GrowingTextView::setMinNumberOfLines(int lines) {
    minHeight_ = measureLines(lines);
    sizeToFit();
    minNumberOfLines_ = lines;
}

QString GrowingTextView::text() const {
    return internal_->toPlainText();
}

void GrowingTextView::setText(const QString& text) {
    internal_->setPlainText(text);  // textChanged adjusts the height
}

void GrowingTextView::setFont(const QFont& font) {
    internal_->setFont(font);
    setMaxNumberOfLines(maxNumberOfLines_);
    setMinNumberOfLines(minNumberOfLines_);
}

QFont GrowingTextView::font() const {
    return internal_->font();
}

void GrowingTextView::setContentInset(QMargins inset) {
    contentInset_ = inset;
    internal_->setGeometry(inset.left(), inset.top() - inset.bottom(),
                           width() - inset.left() - inset.right(), height());
    setMaxNumberOfLines(maxNumberOfLines_);
    setMinNumberOfLines(minNumberOfLines_);
}

void GrowingTextView::setFrame(const QRect& frame) {
    internal_->setGeometry(contentInset_.left(), 0,
                           frame.width() - contentInset_.left() - contentInset_.right(),
                           frame.height());
    setGeometry(frame);
}

void GrowingTextView::sizeToFit() {
    if (text().isEmpty()) resize(width(), minHeight_);
}

void GrowingTextView::adjustHeight() {
    int newHeight = internal_->contentHeight();
    if (newHeight < minHeight_ || !hasText()) newHeight = minHeight_;
    const int innerHeight = internal_->height();
    if (innerHeight != newHeight) {
        if (newHeight > maxHeight_ && innerHeight <= maxHeight_) newHeight = maxHeight_;
        if (newHeight <= maxHeight_) {
            resizeTo(newHeight);
            if (animateHeightChange_) {
                after(kHeightAnimationSeconds, this, [this, newHeight] {
                    if (delegate_) delegate_->growingTextViewDidChangeHeight(this, newHeight);
                });
            } else if (delegate_) {
                delegate_->growingTextViewDidChangeHeight(this, newHeight);
            }
        }
        if (newHeight >= maxHeight_) {
            if (!internal_->isScrollEnabled()) internal_->setScrollEnabled(true);
        } else {
            internal_->setScrollEnabled(false);
        }
    }
    if (delegate_) delegate_->growingTextViewDidChange(this);
}

void GrowingTextView::resizeTo(int height) {
    if (delegate_) delegate_->growingTextViewWillChangeHeight(this, height);
    setGeometry(x(), y(), width(), height);
    placeInternal(height);
}

void GrowingTextView::placeInternal(int height) {
    internal_->setGeometry(contentInset_.left(), contentInset_.top() - contentInset_.bottom(),
                           width() - contentInset_.left() - contentInset_.right(),
                           height - contentInset_.top() - contentInset_.bottom());
}

bool GrowingTextView::shouldChangeText(TextRange range, const QString& replacement) {
    if (!hasText() && replacement.isEmpty()) return false;
    if (delegate_) {
        if (auto answer = delegate_->growingTextViewShouldChangeText(this, range, replacement))
            return *answer;
        if (replacement == "\n") {
            if (auto answer = delegate_->growingTextViewShouldReturn(this)) {
                if (*answer) {
                    resignFirstResponder();
                    return false;
                }
                return true;
            }
        }
    }
    return true;
}

bool GrowingTextView::shouldBeginEditing() {
    return !delegate_ || delegate_->growingTextViewShouldBeginEditing(this);
}

bool GrowingTextView::shouldEndEditing() {
    return !delegate_ || delegate_->growingTextViewShouldEndEditing(this);
}

void GrowingTextView::didBeginEditing() {
    if (delegate_) delegate_->growingTextViewDidBeginEditing(this);
}

void GrowingTextView::didEndEditing() {
    if (delegate_) delegate_->growingTextViewDidEndEditing(this);
}

QColor GrowingTextView::textColor() const {
    return internal_->textColor();
}

void GrowingTextView::setTextColor(const QColor& color) {
    QPalette palette = internal_->palette();
    palette.setColor(QPalette::Text, color);
    internal_->setPalette(palette);
    internal_->setTextColor(color);
}

Qt::Alignment GrowingTextView::textAlignment() const {
    return internal_->alignment();
}

void GrowingTextView::setTextAlignment(Qt::Alignment alignment) {
    internal_->setAlignment(alignment);
}

TextRange GrowingTextView::selectedRange() const {
    const QTextCursor cursor = internal_->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void GrowingTextView::setSelectedRange(TextRange range) {
    QTextCursor cursor = internal_->textCursor();
    cursor.setPosition(range.location);
    cursor.setPosition(range.location + range.length, QTextCursor::KeepAnchor);
    internal_->setTextCursor(cursor);
}

bool GrowingTextView::isEditable() const {
    return !internal_->isReadOnly();
}

void GrowingTextView::setEditable(bool editable) {
    internal_->setReadOnly(!editable);
}

void GrowingTextView::scrollRangeToVisible(TextRange range) {
    QTextCursor cursor = internal_->textCursor();
    cursor.setPosition(range.location + range.length);
    const QTextCursor kept = internal_->textCursor();
    internal_->setTextCursor(cursor);
    internal_->ensureCursorVisible();
    internal_->setTextCursor(kept);
}

bool GrowingTextView::becomeFirstResponder() {
    internal_->setFocus();
    return internal_->hasFocus() || !isVisible();
}

bool GrowingTextView::resignFirstResponder() {
    internal_->clearFocus();
    return !internal_->hasFocus();
}

void GrowingTextView::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    becomeFirstResponder();
}

}  // namespace hv
