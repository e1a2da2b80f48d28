// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QTextEdit>

namespace hv {

class GrowingTextView;

// The multi-line text view inside a GrowingTextView. Besides holding the text it asks the
// owner before every change of text (typed, deleted, pasted, composed), and keeps its
// content inset the way the growing input needs it: no top inset, a bottom inset of at
// most 8 points, both dropped when the content shrinks or the user scrolls by hand, and
// 8 points at the bottom while scrolled above the end.
class GrowingTextViewInternal : public QTextEdit {
    Q_OBJECT
public:
    explicit GrowingTextViewInternal(GrowingTextView* owner);

    // The height the text needs, in whole points.
    int contentHeight();

    void setContentInset(QMargins inset);
    QMargins contentInset() const { return inset_; }

    void setScrollEnabled(bool enabled);
    bool isScrollEnabled() const { return scrollEnabled_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool mayReplaceSelection(const QString& replacement, bool isDelete = false);
    void contentSizeChanged(const QSizeF& size);
    void contentOffsetChanged(int offset);

    GrowingTextView* owner_;
    QMargins inset_;
    qreal lastContentHeight_ = 0;
    bool scrollEnabled_ = false;
    bool dragging_ = false;
};

}  // namespace hv
