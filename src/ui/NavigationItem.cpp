// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NavigationItem.h"

#include <QWidget>

namespace hv {

NavigationItem::~NavigationItem() {
    delete titleView_;
}

void NavigationItem::setTitleView(QWidget* view) {
    if (titleView_ == view) return;
    delete titleView_;
    titleView_ = view;
    // Until a bar shows it, the view waits hidden.
    if (view) view->hide();
    emit changed();
}

void NavigationItem::setTitle(const QString& title) {
    title_ = title;
    emit changed();
}

void NavigationItem::setLeftBarButtonItem(std::optional<BarButtonItem> item) {
    left_ = std::move(item);
    emit changed();
}

void NavigationItem::setRightBarButtonItem(std::optional<BarButtonItem> item) {
    right_ = std::move(item);
    emit changed();
}

void NavigationItem::setBackBarButtonTitle(const QString& title) {
    backTitle_ = title;
    emit changed();
}

void NavigationItem::setHidesBackButton(bool hides) {
    hidesBack_ = hides;
    emit changed();
}

}  // namespace hv
