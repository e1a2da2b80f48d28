// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NewMessageButton.h"

#include <QFontMetrics>
#include <QLabel>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/FocusRing.h"
#include "ui/Style.h"

namespace hv {

namespace {

constexpr int kEnvelopeWidth = 82;  // the picture's envelope, right of the title

}  // namespace

NewMessageButton::NewMessageButton(QWidget* parent)
    : QPushButton(parent),
      title_(new QLabel(localized(kKeyNewMessage), this)),
      badge_(new QLabel(localized(kKeySms), this)),
      pressedBadge_(new QLabel(localized(kKeySms), this)) {
    setObjectName("newMessageButton");
    setAccessibleName(title_->text());
    Style::apply(this, Style::Role::MenuNewMessage);
    setCursor(Qt::PointingHandCursor);
    title_->setObjectName("label");
    badge_->setObjectName("smslabel");
    pressedBadge_->setObjectName("smsSlable");
    Style::apply(title_, Style::Role::MenuLabel);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    title_->setFont(titleFont);
    Style::apply(badge_, Style::Role::MenuBadge);
    Style::apply(pressedBadge_, Style::Role::MenuBadgePressed);
    for (QLabel* label : {title_, badge_, pressedBadge_})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    FocusRing::attach(this, 14);
}

void NewMessageButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    layOutTexts();
}

void NewMessageButton::layOutTexts() {
    const int titleWidth = width() - 40 - kEnvelopeWidth;
    title_->setGeometry(20, 62, titleWidth, 36);
    QFont font = title_->font();
    for (int size = 22; size >= 15; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(title_->text()) <= titleWidth) break;
    }
    title_->setFont(font);
    for (QLabel* badge : {badge_, pressedBadge_}) {
        badge->ensurePolished();  // the padding of its style sheet counts in its size
        badge->adjustSize();
        badge->move(20, 30);
    }
}

}  // namespace hv
