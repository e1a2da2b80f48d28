// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/EditingRowDelegate.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"

namespace hv {

void EditingRowDelegate::paintDeleteButton(QPainter* painter, const QRect& button,
                                           const QFont& baseFont) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0xe5, 0x39, 0x35));
    painter->drawRoundedRect(button, 6, 6);
    QFont bold = baseFont;
    bold.setPixelSize(13);
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(Qt::white);
    painter->drawText(button, Qt::AlignCenter, localized(kKeyDelete));
    painter->restore();
}

bool EditingRowDelegate::editorEvent(QEvent* event, QAbstractItemModel*,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!editing_ || event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton ||
        !deleteButtonOf(option, index).contains(mouse->position().toPoint()))
        return false;
    emit deleteRequested(index.row());
    return true;
}

}  // namespace hv
