// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QWidget>

#include "ui/GrowingTextViewDelegate.h"

namespace hv {

class GrowingTextViewInternal;

// A message field that starts one line high, grows line by line while the user types up
// to maxNumberOfLines lines, and scrolls inside that height beyond. Every change of height
// is told to the delegate before it takes effect (WillChangeHeight) and after it
// (DidChangeHeight: at once, or 0.1 s later on the clock when animateHeightChange is on;
// the animation itself is visual only). The delegate is not owned.
class GrowingTextView : public QWidget {
    Q_OBJECT
public:
    explicit GrowingTextView(QWidget* parent = nullptr);

    GrowingTextViewInternal* internalTextView() const { return internal_; }
    void setDelegate(GrowingTextViewDelegate* delegate) { delegate_ = delegate; }
    GrowingTextViewDelegate* delegate() const { return delegate_; }

    QString text() const;
    // Resizes at once and tells the delegate, as typing would.
    void setText(const QString& text);
    bool hasText() const { return !text().isEmpty(); }

    void setMaxNumberOfLines(int lines);
    void setMinNumberOfLines(int lines);
    int maxNumberOfLines() const { return maxNumberOfLines_; }
    int minNumberOfLines() const { return minNumberOfLines_; }
    int minHeight() const { return minHeight_; }
    int maxHeight() const { return maxHeight_; }

    // Changing the font or the inset measures both heights again.
    void setFont(const QFont& font);
    QFont font() const;
    void setContentInset(QMargins inset);
    QMargins contentInset() const { return contentInset_; }
    void setFrame(const QRect& frame);
    void sizeToFit();

    bool animateHeightChange() const { return animateHeightChange_; }
    void setAnimateHeightChange(bool animate) { animateHeightChange_ = animate; }

    QColor textColor() const;
    void setTextColor(const QColor& color);
    Qt::Alignment textAlignment() const;
    void setTextAlignment(Qt::Alignment alignment);
    TextRange selectedRange() const;
    void setSelectedRange(TextRange range);
    bool isEditable() const;
    void setEditable(bool editable);
    void scrollRangeToVisible(TextRange range);
    bool becomeFirstResponder();
    bool resignFirstResponder();

    // Called by the inner view.
    bool shouldChangeText(TextRange range, const QString& replacement);
    bool shouldBeginEditing();
    bool shouldEndEditing();
    void didBeginEditing();
    void didEndEditing();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int measureLines(int lines);
    void adjustHeight();
    void resizeTo(int height);
    void placeInternal(int height);

    GrowingTextViewInternal* internal_;
    GrowingTextViewDelegate* delegate_ = nullptr;
    QMargins contentInset_;
    int minHeight_ = 0;
    int maxHeight_ = 0;
    int minNumberOfLines_ = 1;
    int maxNumberOfLines_ = 3;
    bool animateHeightChange_ = true;
};

}  // namespace hv
