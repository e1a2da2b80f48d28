// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/RecordsDelegate.h"

#include <QPainter>

#include "messaging/RecordBubble.h"
#include "messaging/RecordsModel.h"

namespace hv {

namespace {

const QColor kSelected(47, 111, 214, 40);  // over the list's own background

const RecordBubble* bubbleOf(const QModelIndex& index) {
    return index.data(RecordsModel::BubbleRole).value<const RecordBubble*>();
}

}  // namespace

RecordsDelegate::RecordsDelegate(QObject* parent)
    : EditingRowDelegate(parent),
      bubble_(":/images/bubble.png", 21, 14),
      bubbleSelf_(":/images/bubbleSelf.png", 21, 14) {}

QRect RecordsDelegate::deleteButton(const RecordBubble& bubble, int rowWidth) {
    // Centred in the room the bubble leaves free on its other side.
    const QRect picture = bubbleRect(bubble, rowWidth);
    const int freeLeft = bubble.self ? 0 : picture.right() + 1;
    const int freeWidth = bubble.self ? picture.left() : rowWidth - freeLeft;
    const QSize size(62, 30);
    return QRect(
        QPoint(freeLeft + (freeWidth - size.width()) / 2, picture.center().y() - size.height() / 2),
        size);
}

QRect RecordsDelegate::bubbleRect(const RecordBubble& bubble, int rowWidth) {
    return bubble.bubble.translated(rightShift(bubble, rowWidth), RecordBubble::kHeaderHeight);
}

int RecordsDelegate::rightShift(const RecordBubble& bubble, int rowWidth) {
    return bubble.self ? rowWidth - RecordBubble::kRowWidth : 0;
}

QSize RecordsDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    return index.data(Qt::SizeHintRole).toSize();
}

void RecordsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const RecordBubble* bubble = bubbleOf(index);
    if (!bubble) return;
    painter->save();
    if (option.state & QStyle::State_Selected) painter->fillRect(option.rect, kSelected);
    painter->translate(option.rect.topLeft());

    QFont small = option.font;
    small.setPixelSize(12);
    painter->setFont(small);
    painter->setPen(QColor(0x55, 0x5d, 0x6b));
    const int rowWidth = option.rect.width();
    painter->drawText(QRect(0, 0, rowWidth, RecordBubble::kHeaderHeight), Qt::AlignCenter,
                      bubble->time);

    (bubble->self ? bubbleSelf_ : bubble_).paint(*painter, bubbleRect(*bubble, rowWidth));
    painter->translate(rightShift(*bubble, rowWidth), RecordBubble::kHeaderHeight);
    painter->setFont(RecordBubble::font());
    painter->setPen(QColor(0x1c, 0x1c, 0x1e));
    // Wrapped within the same width as when it was measured, so the lines come out alike.
    painter->drawText(QRectF(bubble->textBox.topLeft(),
                             QSizeF(RecordBubble::kTextWidth, bubble->textBox.height())),
                      bubble->text, RecordBubble::textOption());

    if (isEditing()) {
        painter->translate(-rightShift(*bubble, rowWidth), -RecordBubble::kHeaderHeight);
        paintDeleteButton(painter, deleteButton(*bubble, rowWidth), option.font);
    }
    painter->restore();
}

QRect RecordsDelegate::deleteButtonOf(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const RecordBubble* bubble = bubbleOf(index);
    if (!bubble) return {};
    return deleteButton(*bubble, option.rect.width()).translated(option.rect.topLeft());
}

}  // namespace hv
