// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/NavigationBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/NavigationItem.h"
#include "ui/Picture.h"
#include "ui/Style.h"

namespace hv {

namespace {

QString& defaultBackground() {
    static QString resource;
    return resource;
}

void configure(QPushButton* button, const BarButtonItem* item) {
    button->disconnect();
    button->setVisible(item != nullptr);
    if (!item) return;
    button->setText(item->image.isEmpty() ? item->title : QString());
    button->setIcon(item->image.isEmpty() ? QIcon() : QIcon(item->image));
    button->setObjectName(item->objectName.isEmpty() ? button->objectName() : item->objectName);
    button->setAccessibleName(item->accessibleName);
    QObject::connect(button, &QPushButton::clicked, button, [action = item->action] {
        if (action) action();
    });
    button->adjustSize();
}

}  // namespace

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      back_(new QPushButton(this)),
      left_(new QPushButton(this)),
      right_(new QPushButton(this)) {
    setFixedHeight(kHeight);
    setObjectName("navigationBar");
    title_->setObjectName("navigationTitle");
    title_->setAlignment(Qt::AlignCenter);
    Style::apply(title_, Style::Role::BarTitle);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(kTitleFontSize);
    title_->setFont(titleFont);
    back_->setObjectName("backButton");
    left_->setObjectName("leftBarButton");
    right_->setObjectName("rightBarButton");
    Style::apply(back_, Style::Role::BackButton);
    for (QPushButton* button : {left_, right_}) Style::apply(button, Style::Role::BarButton);
    for (QPushButton* button : {back_, left_, right_}) {
        // A tap on the bar leaves the keyboard where it was (in the passcode pad, say);
        // Escape stands for the back button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->hide();
    }
    connect(back_, &QPushButton::clicked, this, &NavigationBar::backTapped);
}

void NavigationBar::setDefaultBackgroundImage(const QString& resource) {
    defaultBackground() = resource;
}

void NavigationBar::setTitle(const QString& title) {
    fullTitle_ = title;
    layoutButtons();
}

QString NavigationBar::title() const {
    return fullTitle_;
}

void NavigationBar::setTitleView(QWidget* view) {
    if (titleView_ && titleView_ != view) titleView_->hide();
    titleView_ = view;
    if (view) {
        if (view->parentWidget() != this) view->setParent(this);
        view->show();
    }
    layoutButtons();
}

void NavigationBar::setBackButtonTitle(const QString& title) {
    back_->setText(title);
    // A title too long for the button gives way to "Back": a cut one says nothing.
    if (back_->sizeHint().width() + 8 > kLongestButton) back_->setText(localized(kKeyBack));
    back_->setVisible(!title.isEmpty());
    back_->adjustSize();
    layoutButtons();
}

void NavigationBar::setLeftItem(const BarButtonItem* item) {
    configure(left_, item);
    layoutButtons();
}

void NavigationBar::setRightItem(const BarButtonItem* item) {
    configure(right_, item);
    layoutButtons();
}

void NavigationBar::addSubview(QWidget* view, int rightMargin) {
    view->setParent(this);
    view->show();
    if (rightMargin < 0) return;
    rightAnchored_.append({view, rightMargin});
    layoutButtons();
}

void NavigationBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap background = Picture::forWidget(defaultBackground(), this);
    if (background.isNull())
        painter.fillRect(rect(), Style::barColor());
    else
        painter.drawPixmap(rect(), background);
}

void NavigationBar::resizeEvent(QResizeEvent*) {
    layoutButtons();
}

void NavigationBar::layoutButtons() {
    for (const auto& [view, rightMargin] : std::as_const(rightAnchored_))
        if (view) view->move(width() - rightMargin - view->width(), view->y());
    const int margin = 6;
    const int buttonHeight = 30;
    const int y = (height() - buttonHeight) / 2;
    int leftEdge = margin;
    for (QPushButton* button : {back_, left_}) {
        if (button->isHidden()) continue;
        button->setGeometry(leftEdge, y, qMin(button->sizeHint().width() + 8, kLongestButton),
                            buttonHeight);
        leftEdge = button->geometry().right() + margin;
    }
    int rightEdge = width() - margin;
    if (!right_->isHidden()) {
        const int w = qMin(right_->sizeHint().width() + 8, kLongestButton);
        right_->setGeometry(rightEdge - w, y, w, buttonHeight);
        rightEdge -= w + margin;
    }
    title_->setVisible(!titleView_);
    if (titleView_) {
        // Centred when it fits so, else in the room between the buttons.
        const int w = qMin(titleView_->sizeHint().width(), qMax(0, rightEdge - leftEdge));
        const int h = qMin(titleView_->sizeHint().height(), height());
        const int x = qBound(leftEdge, (width() - w) / 2, qMax(leftEdge, rightEdge - w));
        titleView_->setGeometry(x, (height() - h) / 2, w, h);
        return;
    }
    fitTitle(leftEdge, rightEdge);
}

void NavigationBar::fitTitle(int leftEdge, int rightEdge) {
    // Centred on the bar when it fits between the buttons so; else in all the room between
    // them, in a smaller font down to 13 points, and cut with an ellipsis at the end.
    QFont font = title_->font();
    const int side = qMax(leftEdge, width() - rightEdge);
    QRect room(side, 0, qMax(0, width() - 2 * side), height());
    QString shown = fullTitle_;
    for (int size = kTitleFontSize; size >= kSmallestTitleFontSize; --size) {
        font.setPixelSize(size);
        const int needed = QFontMetrics(font).horizontalAdvance(fullTitle_) + 4;
        if (needed <= room.width()) break;
        room = QRect(leftEdge, 0, qMax(0, rightEdge - leftEdge), height());
        if (needed <= room.width()) break;
        if (size == kSmallestTitleFontSize)
            shown = QFontMetrics(font).elidedText(fullTitle_, Qt::ElideRight, room.width() - 4);
    }
    title_->setFont(font);
    title_->setText(shown);
    title_->setGeometry(room);
    title_->lower();
}

}  // namespace hv
