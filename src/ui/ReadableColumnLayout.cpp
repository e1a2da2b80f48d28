// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReadableColumnLayout.h"

#include "ui/Window.h"

namespace hv {

ReadableColumnLayout::ReadableColumnLayout(QWidget* parent)
    : QLayout(parent), maximumColumnWidth_(Window::kReadableWidth) {
    setContentsMargins(0, 0, 0, 0);
}

ReadableColumnLayout::~ReadableColumnLayout() {
    delete item_;
}

void ReadableColumnLayout::setMaximumColumnWidth(int width) {
    maximumColumnWidth_ = width;
    invalidate();
}

void ReadableColumnLayout::addItem(QLayoutItem* item) {
    // One column: a later widget takes the place of the earlier one.
    delete takeAt(0);
    item_ = item;
}

int ReadableColumnLayout::count() const {
    return item_ ? 1 : 0;
}

QLayoutItem* ReadableColumnLayout::itemAt(int index) const {
    return index == 0 ? item_ : nullptr;
}

QLayoutItem* ReadableColumnLayout::takeAt(int index) {
    if (index != 0 || !item_) return nullptr;
    QLayoutItem* item = item_;
    item_ = nullptr;
    return item;
}

QSize ReadableColumnLayout::sizeHint() const {
    return item_ ? item_->sizeHint() : QSize();
}

QSize ReadableColumnLayout::minimumSize() const {
    return item_ ? item_->minimumSize() : QSize();
}

Qt::Orientations ReadableColumnLayout::expandingDirections() const {
    return Qt::Horizontal | Qt::Vertical;
}

void ReadableColumnLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (!item_) return;
    const int width = qMin(rect.width(), maximumColumnWidth_);
    item_->setGeometry(
        QRect(rect.x() + (rect.width() - width) / 2, rect.y(), width, rect.height()));
}

}  // namespace hv
