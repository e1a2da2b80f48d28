// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableRow.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Style.h"

namespace hv {

TableRow::TableRow(QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(this)),
      subtitle_(new QLabel(this)),
      detail_(new QLabel(this)),
      layout_(new QHBoxLayout(this)) {
    setObjectName("tableRow");
    Style::apply(this, Style::Role::TableRow);
    setFocusPolicy(Qt::TabFocus);
    setMinimumHeight(44);
    title_->setObjectName("rowTitle");
    subtitle_->setObjectName("rowSubtitle");
    detail_->setObjectName("rowDetail");
    Style::apply(title_, Style::Role::RowTitle);
    Style::apply(subtitle_, Style::Role::RowSubtitle);
    Style::apply(detail_, Style::Role::RowDetail);
    subtitle_->setWordWrap(true);
    subtitle_->hide();
    detail_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);  // beside the accessory
    detail_->hide();
    setTextSizes(16, 12);
    QFont detailFont = detail_->font();
    detailFont.setPixelSize(15);
    detail_->setFont(detailFont);
    // Title and subtitle stay together in the middle of a row taller than they need.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    texts->addStretch(1);
    texts->addWidget(title_);
    texts->addWidget(subtitle_);
    texts->addStretch(1);
    layout_->setContentsMargins(14, 4, 10, 4);
    layout_->addLayout(texts, 1);
    layout_->addWidget(detail_);
    setCursor(Qt::PointingHandCursor);
}

void TableRow::setTitle(const QString& text) {
    title_->setText(text);
    nameControl();
}

void TableRow::setTitleWraps(bool wraps) {
    title_->setWordWrap(wraps);
}

void TableRow::nameControl() {
    if (!control_ || title_->text().isEmpty()) return;
    const QVariant named = control_->property("hvNamedByRow");
    if (!control_->accessibleName().isEmpty() && !named.toBool()) return;
    control_->setAccessibleName(title_->text());
    control_->setProperty("hvNamedByRow", true);
}
QString TableRow::title() const {
    return title_->text();
}

void TableRow::setSubtitle(const QString& text, int maxLines) {
    subtitle_->setText(text);
    subtitle_->setVisible(!text.isEmpty());
    subtitleLines_ = maxLines;
    limitSubtitle();
}

void TableRow::limitSubtitle() {
    // A line is as tall as the text's tallest glyphs, which for Chinese come from another
    // font than the label's own: measure the text, not only the font.
    const QFontMetrics metrics(subtitle_->font());
    const int line = qMax(metrics.lineSpacing(), metrics.boundingRect(subtitle_->text()).height());
    subtitle_->setMaximumHeight(line * subtitleLines_ + 2);
}

void TableRow::setTextSizes(int titlePixels, int subtitlePixels) {
    QFont font = title_->font();
    font.setPixelSize(titlePixels);
    title_->setFont(font);
    font = subtitle_->font();
    font.setPixelSize(subtitlePixels);
    subtitle_->setFont(font);
    limitSubtitle();
}

QString TableRow::subtitle() const {
    return subtitle_->text();
}

void TableRow::setDetail(const QString& text) {
    detail_->setText(text);
    detail_->setVisible(!text.isEmpty());  // no detail leaves its room to a content widget
}
QString TableRow::detail() const {
    return detail_->text();
}

void TableRow::setAccessory(Accessory accessory) {
    QWidget* widget = nullptr;
    switch (accessory) {
        case Accessory::None:
            break;
        case Accessory::Disclosure:
        case Accessory::Checkmark: {
            auto* mark = new QLabel(accessory == Accessory::Disclosure ? "›" : "✓");
            mark->setObjectName(accessory == Accessory::Disclosure ? "disclosure" : "checkmark");
            mark->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
            Style::apply(mark, accessory == Accessory::Disclosure ? Style::Role::Disclosure
                                                                  : Style::Role::Checkmark);
            widget = mark;
            break;
        }
        case Accessory::DetailButton: {
            auto* button = new QPushButton("i");
            button->setObjectName("detailButton");
            button->setFixedSize(24, 24);
            button->setFocusPolicy(Qt::TabFocus);
            Style::apply(button, Style::Role::DetailButton);
            connect(button, &QPushButton::clicked, this, &TableRow::accessoryTapped);
            widget = button;
            break;
        }
    }
    placeAccessory(widget);
    accessory_ = accessory;
}

void TableRow::setAccessoryEnabled(bool enabled) {
    if (accessoryWidget_) accessoryWidget_->setEnabled(enabled);
}

void TableRow::setAccessoryAccessibleName(const QString& name) {
    if (accessoryWidget_) accessoryWidget_->setAccessibleName(name);
}

void TableRow::setTitleStyle(TitleStyle style) {
    switch (style) {
        case TitleStyle::Normal:
            Style::apply(title_, Style::Role::RowTitle);
            return;
        case TitleStyle::Label:
            Style::apply(title_, Style::Role::RowLabelTitle);
            return;
        case TitleStyle::Action:
            Style::apply(title_, Style::Role::RowActionTitle);
            return;
        case TitleStyle::Destructive:
            Style::apply(title_, Style::Role::RowDestructiveTitle);
            return;
    }
}

void TableRow::setChoice(bool chosen) {
    const bool was = choice_ && accessory_ == Accessory::Checkmark;
    choice_ = true;
    setAccessory(chosen ? Accessory::Checkmark : Accessory::None);
    if (was == chosen) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TableRow::setAccessoryWidget(QWidget* widget) {
    placeAccessory(widget);
    accessory_ = Accessory::None;
    if (widget) {
        setFocusPolicy(Qt::NoFocus);
        control_ = widget;
        nameControl();
    }
}

void TableRow::placeAccessory(QWidget* widget) {
    delete accessoryWidget_;
    accessoryWidget_ = widget;
    if (widget) layout_->addWidget(widget);
}

void TableRow::setRowHeight(int height) {
    setFixedHeight(height);
    // A fixed row keeps its height for the texts.
    const QMargins margins = layout_->contentsMargins();
    layout_->setContentsMargins(margins.left(), 2, margins.right(), 2);
}

void TableRow::setContentWidget(QWidget* widget) {
    layout_->insertWidget(1, widget, 2);
    setFocusPolicy(Qt::NoFocus);
    control_ = widget;
    nameControl();
}

void TableRow::setTitleWidth(int width) {
    title_->setFixedWidth(width);
}

void TableRow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Only the row's own keys: those a field inside it passed on are not a tap.
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (hasFocus() && plain &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit tapped();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TableRow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit tapped();
}

}  // namespace hv
