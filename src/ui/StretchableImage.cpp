#include "ui/StretchableImage.h"

#include <qdrawutil.h>
#include <QPainter>

namespace hv {

namespace {

constexpr int kScale = 2;  // pixels per point in the shipped pictures

}  // namespace

StretchableImage::StretchableImage(const QString& resource, int leftCap, int topCap)
    : pixmap_(resource), leftCap_(leftCap), topCap_(topCap) {}

void StretchableImage::paint(QPainter& painter, const QRect& target) const {
    if (pixmap_.isNull()) return;
    const int width = pixmap_.width() / kScale;
    const int height = pixmap_.height() / kScale;
    const QMargins points(leftCap_, topCap_, width - leftCap_ - 1, height - topCap_ - 1);
    const QMargins pixels(points.left() * kScale, points.top() * kScale, points.right() * kScale,
                          points.bottom() * kScale);
    qDrawBorderPixmap(&painter, target, points, pixmap_, pixmap_.rect(), pixels);
}

}  // namespace hv
