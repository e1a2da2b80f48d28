// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "ui/GrowingTextViewDelegate.h"

class QPushButton;

namespace hv {

class GrowingTextView;

// The composer's input bar across the screen: the growing message field and the "Send" button.
// The bar keeps its bottom edge and grows or shrinks upward with the message field; the field
// takes the width "Send" leaves.
class ComposerInputBar : public QWidget, public GrowingTextViewDelegate {
    Q_OBJECT
public:
    explicit ComposerInputBar(QWidget* parent = nullptr);

    GrowingTextView* textView() const { return textView_; }
    QPushButton* sendButton() const { return sendButton_; }

    // Places the bar's bottom edge at y of the parent, across the parent's width.
    void setBottom(int y);
    int bottom() const { return geometry().bottom() + 1; }

    void growingTextViewWillChangeHeight(GrowingTextView* view, int height) override;
    void growingTextViewDidChange(GrowingTextView* view) override;

signals:
    void textChanged();
    void geometryChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The message field 10 points from the left, 3 from the top, 6 less high than the bar;
    // "Send" at the bottom right.
    void layOutBar();

    QWidget* field_;
    GrowingTextView* textView_;
    QPushButton* sendButton_;
};

}  // namespace hv
