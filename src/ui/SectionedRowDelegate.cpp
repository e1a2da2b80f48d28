// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SectionedRowDelegate.h"

#include <QPainter>

#include "ui/Picture.h"
#include "ui/SectionedListModel.h"

namespace hv {

namespace {

constexpr int kImageSize = 30;
constexpr int kMargin = 10;
constexpr int kLeastNameRoom = 64;  // a few letters and the ellipsis
const QColor kHeaderBand(0xe9, 0xec, 0xf2);
const QColor kHeaderText(0x4a, 0x52, 0x60);
const QColor kText(0x1c, 0x1c, 0x1e);
const QColor kDetail(0x6d, 0x6d, 0x72);
const QColor kSeparator(0xdc, 0xdc, 0xe0);
const QColor kSelected(0xd3, 0xe2, 0xfb);

}  // namespace

SectionedRowDelegate::SectionedRowDelegate(QObject* parent) : EditingRowDelegate(parent) {}

QRect SectionedRowDelegate::deleteButton(const QRect& rowRect) {
    const QSize size(62, 30);
    return QRect(QPoint(rowRect.right() - kMargin - size.width(),
                        rowRect.center().y() - size.height() / 2 + 1),
                 size);
}

const QPixmap& SectionedRowDelegate::image(const QString& resource, qreal density) const {
    const QString key = resource + '@' + QString::number(density);
    auto found = images_.find(key);
    if (found == images_.end())
        found =
            images_.insert(key, Picture::scaled(resource, QSize(kImageSize, kImageSize), density));
    return *found;
}

QSize SectionedRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const bool header = index.data(SectionedListModel::IsHeaderRole).toBool();
    return {0, header ? kHeaderHeight : kRowHeight};
}

void SectionedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    painter->save();
    const QRect rect = option.rect;
    QFont font = option.font;
    if (index.data(SectionedListModel::IsHeaderRole).toBool()) {
        painter->fillRect(rect, kHeaderBand);
        font.setPixelSize(14);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(kHeaderText);
        painter->drawText(rect.adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
        return;
    }
    painter->fillRect(rect, (option.state & QStyle::State_Selected) ? kSelected : Qt::white);
    painter->setPen(kSeparator);
    painter->drawLine(rect.left() + kMargin, rect.bottom(), rect.right(), rect.bottom());

    int left = rect.left() + kMargin;
    const QString imageResource = index.data(SectionedListModel::ImageRole).toString();
    if (!imageResource.isEmpty()) {
        const QPixmap& pixmap = image(imageResource, painter->device()->devicePixelRatioF());
        const int height = qRound(pixmap.deviceIndependentSize().height());
        painter->drawPixmap(left, rect.center().y() - height / 2 + 1, pixmap);
        left += kImageSize + 8;
    }
    int right = isEditing() ? deleteButton(rect).left() - 6 : rect.right() - kMargin;

    // Both texts whole when they fit; else the detail keeps all but a few letters' room, at
    // least 45% of the room, and the text is cut (the detail too when even that is short).
    const QString text = index.data().toString();
    const QString detail = index.data(SectionedListModel::DetailRole).toString();
    font.setPixelSize(14);
    const QFontMetrics detailMetrics(font);
    if (!detail.isEmpty()) {
        QFont textFont = font;
        textFont.setPixelSize(16);
        const int room = right - left - 8;
        // (Advances are rounded; the slack keeps a text that fits from being elided.)
        const int width = detailWidth(room, QFontMetrics(textFont).horizontalAdvance(text) + 2,
                                      detailMetrics.horizontalAdvance(detail) + 2);
        painter->setFont(font);
        painter->setPen(kDetail);
        painter->drawText(QRect(right - width, rect.top(), width, rect.height()),
                          Qt::AlignRight | Qt::AlignVCenter,
                          detailMetrics.elidedText(detail, Qt::ElideMiddle, width));
        right -= width + 8;
    }
    font.setPixelSize(16);
    const QFontMetrics textMetrics(font);
    painter->setFont(font);
    painter->setPen(kText);
    painter->drawText(QRect(left, rect.top(), qMax(0, right - left), rect.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      textMetrics.elidedText(text, Qt::ElideRight, qMax(0, right - left)));

    if (isEditing()) {
        paintDeleteButton(painter, deleteButton(rect), option.font);
    }
    painter->restore();
}

int SectionedRowDelegate::detailWidth(int room, int textNeeds, int detailNeeds) {
    // A number cut in the middle says nothing: the text gives way first.
    return qMin(detailNeeds, qMax(room * 45 / 100, room - qMin(textNeeds, kLeastNameRoom)));
}

QRect SectionedRowDelegate::deleteButtonOf(const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    if (index.data(SectionedListModel::IsHeaderRole).toBool()) return {};
    return deleteButton(option.rect);
}

}  // namespace hv
