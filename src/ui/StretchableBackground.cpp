// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StretchableBackground.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "ui/StretchableImage.h"

namespace hv {

StretchableBackground::StretchableBackground(QWidget* widget) : QObject(widget) {
    setObjectName("stretchableBackground");
    widget->installEventFilter(this);
}

void StretchableBackground::set(QWidget* widget, const Pictures& pictures) {
    auto* background = widget->findChild<StretchableBackground*>("stretchableBackground",
                                                                 Qt::FindDirectChildrenOnly);
    if (!pictures.normal) {
        delete background;
        return;
    }
    if (!background) background = new StretchableBackground(widget);
    background->pictures_ = pictures;
    widget->update();
}

bool StretchableBackground::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const char* picture = pictures_.normal;
    if (!widget->isEnabled() && pictures_.disabled)
        picture = pictures_.disabled;
    else if (button && button->isDown() && pictures_.pressed)
        picture = pictures_.pressed;
    QPainter painter(widget);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    StretchableImage(picture, pictures_.caps).paint(painter, widget->rect());
    return false;  // the widget draws its own over it
}

}  // namespace hv
