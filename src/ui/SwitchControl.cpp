// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SwitchControl.h"

#include <QPainter>

namespace hv {

SwitchControl::SwitchControl(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);  // Tab reaches it, Space flips it; a tap keeps the focus
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

void SwitchControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? QColor(0x34, 0xc7, 0x59) : QColor(0xe5, 0xe5, 0xea));
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    if (hasFocus() && focusPolicy() != Qt::NoFocus) {  // reached with the keyboard
        painter.setPen(QPen(QColor(0x2f, 0x6f, 0xd6), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);
        painter.setPen(Qt::NoPen);
    }
    const qreal knob = track.height() - 4;
    const qreal x = isChecked() ? track.right() - knob - 2 : track.left() + 2;
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

}  // namespace hv
