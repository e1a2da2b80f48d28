// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;
class QWidget;

namespace hv {

// The application's pictures, each shipped drawn for one, two and three pixels a point
// ("name.png", "name@2x.png", "name@3x.png"). A picture is taken at the density of the
// screen it shows on, so that it is sharp at every scale: a denser copy is scaled down,
// never a sparser one up.
class Picture {
public:
    // The copy of the resource (":/images/name.png") for this many pixels a point, with
    // that device pixel ratio set; its size in points is the same for every copy.
    static QPixmap load(const QString& resource, qreal devicePixelRatio);
    // The copy for the screen the widget shows on.
    static QPixmap forWidget(const QString& resource, const QWidget* widget);
    // The picture fitted into a box of that many points (keeping its proportions), sharp for
    // this many pixels a point.
    static QPixmap scaled(const QString& resource, const QSize& points, qreal devicePixelRatio);

    // Fills the target with the picture keeping its proportions, cut off evenly at the
    // sides that are too long: a background that is not to be stretched.
    static void paintCovering(QPainter& painter, const QRect& target, const QString& resource);
};

}  // namespace hv
