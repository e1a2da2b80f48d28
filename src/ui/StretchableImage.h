// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QString>

class QPainter;
class QRect;

namespace hv {

// A picture that stretches without distorting its edges. Made with a left and a top cap, it
// stretches like a phone's stretchable image: the parts left of the left cap and above the
// top cap, and those right of and below the single column and row after them, keep their
// size; only that column and row stretch. Made with caps on all four sides, the corners keep
// their size, the edges stretch along and the middle both ways. Caps are in points; the copy
// of the picture drawn for the painter's density is used.
class StretchableImage {
public:
    StretchableImage(const QString& resource, int leftCap, int topCap);
    StretchableImage(const QString& resource, const QMargins& caps);

    void paint(QPainter& painter, const QRect& target) const;
    bool isNull() const;

private:
    QString resource_;
    QMargins caps_;
    bool singleStretch_;  // made with a left and a top cap only
};

}  // namespace hv
