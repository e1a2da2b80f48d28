#pragma once

class QFont;
class QPainter;
class QRect;

namespace hv {

// The red "Delete" button that lists of the kit show on each row in editing mode, painted
// by their delegates (rows of a list view are not widgets).
namespace DeleteButtonPainter {

void paint(QPainter* painter, const QRect& button, const QFont& baseFont);

}  // namespace DeleteButtonPainter

}  // namespace hv
