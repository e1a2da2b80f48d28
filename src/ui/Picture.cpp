// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Picture.h"

#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace hv {

namespace {

constexpr int kDensestCopy = 3;

}  // namespace

QPixmap Picture::load(const QString& resource, qreal devicePixelRatio) {
    const qsizetype dot = resource.lastIndexOf('.');
    const int wanted = qBound(1, qCeil(devicePixelRatio - 0.01), kDensestCopy);
    for (int density = wanted; density > 1; --density) {
        QString name = resource;
        name.insert(dot < 0 ? name.size() : dot, QString("@%1x").arg(density));
        if (!QFile::exists(name)) continue;
        QPixmap pixmap(name);
        pixmap.setDevicePixelRatio(density);
        return pixmap;
    }
    return QPixmap(resource);
}

QPixmap Picture::forWidget(const QString& resource, const QWidget* widget) {
    return load(resource, widget ? widget->devicePixelRatioF() : 1.0);
}

QPixmap Picture::scaled(const QString& resource, const QSize& points, qreal devicePixelRatio) {
    const QPixmap source = load(resource, devicePixelRatio);
    if (source.isNull()) return source;
    QPixmap fitted =
        source.scaled(points * devicePixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(devicePixelRatio);
    return fitted;
}

void Picture::paintCovering(QPainter& painter, const QRect& target, const QString& resource) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap pixmap = load(resource, ratio);
    if (pixmap.isNull() || target.isEmpty()) return;
    // The part of the picture, in its own pixels, that has the target's proportions.
    const QSizeF source = pixmap.size();
    const QSizeF cut = QSizeF(target.size()).scaled(source, Qt::KeepAspectRatio);
    const QRectF part(QPointF((source.width() - cut.width()) / 2, 0), cut);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(target), pixmap, part);
    painter.restore();
}

}  // namespace hv
