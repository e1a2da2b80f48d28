#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace hv {

// A picture that stretches like a phone's stretchable image: the parts left of the left cap
// and above the top cap, and those right of and below the single column and row after
// them, keep their size; only that column and row stretch. Pictures are drawn at twice
// their size in points; caps are in points.
class StretchableImage {
public:
    StretchableImage(const QString& resource, int leftCap, int topCap);

    void paint(QPainter& painter, const QRect& target) const;
    bool isNull() const { return pixmap_.isNull(); }

private:
    QPixmap pixmap_;
    int leftCap_;
    int topCap_;
};

}  // namespace hv
