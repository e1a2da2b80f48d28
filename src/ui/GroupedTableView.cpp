// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GroupedTableView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/Style.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr int kMargin = 10;

}  // namespace

GroupedTableView::GroupedTableView(QWidget* parent)
    : QScrollArea(parent), content_(new QWidget), layout_(new QVBoxLayout(content_)) {
    setObjectName("groupedTable");
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // the rows and their fields are where the keyboard stops
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_->setObjectName("groupedTableContent");
    content_->setStyleSheet(Style::groupedContent(content_->objectName()));
    layout_->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout_->setSpacing(18);
    layout_->addStretch(1);
    setWidget(content_);
}

void GroupedTableView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    const int side = kMargin + qMax(0, (width() - Window::kReadableWidth) / 2);
    layout_->setContentsMargins(side, kMargin, side, kMargin);
}

void GroupedTableView::addSection(const QString& header) {
    auto* box = new QWidget(content_);
    section_ = new QVBoxLayout(box);
    section_->setContentsMargins(0, 0, 0, 0);
    section_->setSpacing(0);
    if (!header.isEmpty()) {
        auto* label = new QLabel(header, box);
        Style::apply(label, Style::Role::SectionHeader);
        section_->addWidget(label);
    }
    layout_->insertWidget(layout_->count() - 1, box);
}

TableRow* GroupedTableView::addRow() {
    if (!section_) addSection();
    auto* row = new TableRow;
    section_->addWidget(row);
    return row;
}

QList<TableRow*> GroupedTableView::rows() const {
    return content_->findChildren<TableRow*>();
}

void GroupedTableView::clear() {
    while (layout_->count() > 1) {
        QLayoutItem* item = layout_->takeAt(0);
        delete item->widget();
        delete item;
    }
    section_ = nullptr;
}

}  // namespace hv
