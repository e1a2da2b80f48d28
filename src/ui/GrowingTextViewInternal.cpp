// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GrowingTextViewInternal.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>

#include "ui/GrowingTextView.h"

namespace hv {

GrowingTextViewInternal::GrowingTextViewInternal(GrowingTextView* owner)
    : QTextEdit(owner), owner_(owner) {
    setObjectName("internalTextView");
    setAcceptRichText(false);
    setTabChangesFocus(true);  // Tab moves on to the next control; a message has no tabs
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(4);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &GrowingTextViewInternal::contentSizeChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &GrowingTextViewInternal::contentOffsetChanged);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] { dragging_ = true; });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] { dragging_ = false; });
}

int GrowingTextViewInternal::contentHeight() {
    document()->setTextWidth(viewport()->width() > 0 ? viewport()->width() : width());
    return int(document()->size().height()) + inset_.top() + inset_.bottom();
}

void GrowingTextViewInternal::setContentInset(QMargins inset) {
    inset.setTop(0);
    if (inset.bottom() > 8) inset.setBottom(0);
    inset_ = inset;
    setViewportMargins(0, inset_.top(), 0, inset_.bottom());
}

void GrowingTextViewInternal::setScrollEnabled(bool enabled) {
    scrollEnabled_ = enabled;
    setVerticalScrollBarPolicy(enabled ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!enabled) verticalScrollBar()->setValue(0);
}

void GrowingTextViewInternal::contentSizeChanged(const QSizeF& size) {
    if (size.height() < lastContentHeight_)
        setContentInset(QMargins(inset_.left(), 0, inset_.right(), 0));
    lastContentHeight_ = size.height();
}

void GrowingTextViewInternal::contentOffsetChanged(int offset) {
    if (dragging_) {
        setContentInset(QMargins(inset_.left(), 0, inset_.right(), 0));
    } else if (scrollEnabled_ && offset < verticalScrollBar()->maximum()) {
        setContentInset(QMargins(inset_.left(), 0, inset_.right(), 8));
    }
}

bool GrowingTextViewInternal::mayReplaceSelection(const QString& replacement, bool isDelete) {
    const QTextCursor cursor = textCursor();
    TextRange range{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    if (isDelete && range.length == 0) {
        range.location = qMax(0, range.location - 1);
        range.length = toPlainText().isEmpty() ? 0 : 1;
    }
    return owner_->shouldChangeText(range, replacement);
}

void GrowingTextViewInternal::keyPressEvent(QKeyEvent* event) {
    const bool isDelete = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool isCut = event->matches(QKeySequence::Cut);
    if (isDelete || isCut) {
        if (!mayReplaceSelection(QString(), true)) return;
    } else if (isReturn && (event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // Ctrl+Enter belongs to the screen (the composer sends)
        return;
    } else if (isReturn) {
        if (!mayReplaceSelection("\n")) return;
        QTextEdit::insertPlainText("\n");
        return;
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        if (!mayReplaceSelection(event->text())) return;
    }
    QTextEdit::keyPressEvent(event);
}

void GrowingTextViewInternal::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && mayReplaceSelection(source->text()))
        QTextEdit::insertPlainText(source->text());
}

void GrowingTextViewInternal::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !mayReplaceSelection(event->commitString())) {
        event->setCommitString(QString());
    }
    QTextEdit::inputMethodEvent(event);
}

void GrowingTextViewInternal::focusInEvent(QFocusEvent* event) {
    if (!owner_->shouldBeginEditing()) {
        QTimer::singleShot(0, this, [this] { clearFocus(); });
        return;
    }
    QTextEdit::focusInEvent(event);
    owner_->didBeginEditing();
}

void GrowingTextViewInternal::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    if (!owner_->shouldEndEditing()) {
        QTimer::singleShot(0, this, [this] { setFocus(); });
        return;
    }
    owner_->didEndEditing();
}

void GrowingTextViewInternal::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    document()->setTextWidth(viewport()->width());
}

}  // namespace hv
