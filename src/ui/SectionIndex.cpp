// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SectionIndex.h"

#include <QMouseEvent>
#include <QPainter>

namespace hv {

SectionIndex::SectionIndex(QWidget* parent) : QWidget(parent) {
    setObjectName("sectionIndex");
    setFixedWidth(18);
}

void SectionIndex::setTitles(const QStringList& titles) {
    titles_ = titles;
    update();
}

int SectionIndex::indexAt(int y) const {
    if (titles_.isEmpty() || y < 0 || y >= height()) return -1;
    return qMin(int(titles_.size()) - 1, y * int(titles_.size()) / qMax(1, height()));
}

void SectionIndex::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(0x2f, 0x6f, 0xd6));
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    const qreal step = titles_.isEmpty() ? 0 : qreal(height()) / titles_.size();
    for (int i = 0; i < titles_.size(); ++i)
        painter.drawText(QRectF(0, i * step, width(), step), Qt::AlignCenter, titles_[i]);
}

void SectionIndex::mousePressEvent(QMouseEvent* event) {
    last_ = -1;
    mouseMoveEvent(event);
}

void SectionIndex::mouseMoveEvent(QMouseEvent* event) {
    const int index = indexAt(int(event->position().y()));
    if (index >= 0 && index != last_) {
        last_ = index;
        emit sectionSelected(index);
    }
}

}  // namespace hv
