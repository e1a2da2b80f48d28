// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/EditingRowDelegate.h"

#include "ui/StretchableImage.h"

namespace hv {

struct RecordBubble;

// Paints a record of the records screen from its prepared bubble: the time over it, the
// bubble picture ("bubble" at the left, "bubbleSelf" at the right) and the text. In
// editing mode a "Delete" button stands in the free side of the row; a tap on it asks
// for the deletion. Nothing is measured while painting.
class RecordsDelegate : public EditingRowDelegate {
    Q_OBJECT
public:
    explicit RecordsDelegate(QObject* parent = nullptr);

    // Where the "Delete" button and the bubble's picture of a row are, in the coordinates
    // of a row rowWidth wide. Bubbles are laid out for a row of 320; a narrower row (a
    // scroll bar takes its share) keeps what sits at the right against its right edge.
    static QRect deleteButton(const RecordBubble& bubble, int rowWidth);
    static QRect bubbleRect(const RecordBubble& bubble, int rowWidth);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    QRect deleteButtonOf(const QStyleOptionViewItem& option,
                         const QModelIndex& index) const override;

private:
    static int rightShift(const RecordBubble& bubble, int rowWidth);

    StretchableImage bubble_;
    StretchableImage bubbleSelf_;
};

}  // namespace hv
