// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ActivityIndicator.h"

#include <QPainter>
#include <QTimer>

namespace hv {

namespace {
constexpr int kSpokes = 12;
}

ActivityIndicator::ActivityIndicator(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setObjectName("activityView");
    setFixedSize(sizeHint());
    timer_->setInterval(80);
    connect(timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kSpokes;
        update();
    });
}

void ActivityIndicator::startAnimating() {
    timer_->start();
    show();
}

void ActivityIndicator::stopAnimating() {
    timer_->stop();
    hide();
}

bool ActivityIndicator::isAnimating() const {
    return timer_->isActive();
}

void ActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal radius = qMin(width(), height()) / 2.0;
    for (int i = 0; i < kSpokes; ++i) {
        const int age = (step_ - i + kSpokes) % kSpokes;
        painter.setPen(QPen(QColor(80, 80, 90, 255 - age * 18), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
        painter.rotate(360.0 / kSpokes);
    }
}

}  // namespace hv
