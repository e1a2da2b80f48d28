// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/StretchableImage.h"

#include <qdrawutil.h>
#include <QPaintDevice>
#include <QPainter>
#include <utility>

#include "ui/Picture.h"

namespace hv {

StretchableImage::StretchableImage(const QString& resource, int leftCap, int topCap)
    : resource_(resource), caps_(leftCap, topCap, 0, 0), singleStretch_(true) {}

StretchableImage::StretchableImage(const QString& resource, const QMargins& caps)
    : resource_(resource), caps_(caps), singleStretch_(false) {}

bool StretchableImage::isNull() const {
    return Picture::load(resource_, 1.0).isNull();
}

void StretchableImage::paint(QPainter& painter, const QRect& target) const {
    const QPixmap pixmap =
        Picture::load(resource_, painter.device() ? painter.device()->devicePixelRatioF() : 1.0);
    if (pixmap.isNull()) return;
    const qreal density = pixmap.devicePixelRatio();
    const int width = qRound(pixmap.width() / density);
    const int height = qRound(pixmap.height() / density);
    QMargins points = caps_;
    if (singleStretch_) {
        points.setRight(width - caps_.left() - 1);
        points.setBottom(height - caps_.top() - 1);
    }
    const QMargins pixels(qRound(points.left() * density), qRound(points.top() * density),
                          qRound(points.right() * density), qRound(points.bottom() * density));
    // A target lower or narrower than its caps draws them smaller rather than overlapping.
    const auto fit = [](int room, int first, int second) {
        if (first + second <= room) return std::pair(first, second);
        const int shrunk = first * room / (first + second);
        return std::pair(shrunk, room - shrunk);
    };
    const auto [top, bottom] = fit(target.height(), points.top(), points.bottom());
    const auto [left, right] = fit(target.width(), points.left(), points.right());
    const QMargins drawn(left, top, right, bottom);
    QPixmap plain = pixmap;
    plain.setDevicePixelRatio(1.0);  // the source margins are in the copy's own pixels
    qDrawBorderPixmap(&painter, target, drawn, plain, plain.rect(), pixels);
}

}  // namespace hv
