#include "ui/Style.h"

#include <QPalette>
#include <QWidget>

namespace hv::Style {

QColor barColor() {
    return QColor(0x2b, 0x3a, 0x55);
}
QColor groupedBackground() {
    return QColor(0xef, 0xef, 0xf4);
}

QString barTitle() {
    return "color: white;";  // font: NavigationBar fits its size to the room
}

QString barButton() {
    return "QPushButton { color: white; font-size: 13px; padding: 0 8px; border: 1px solid "
           "rgba(255,255,255,90); border-radius: 5px; background: rgba(255,255,255,30); }"
           "QPushButton:pressed { background: rgba(255,255,255,80); }";
}

QString backButton() {
    return "QPushButton { color: white; font-size: 13px; padding: 0 8px 0 12px; border: 1px "
           "solid rgba(255,255,255,90); border-top-left-radius: 13px; "
           "border-bottom-left-radius: 13px; border-top-right-radius: 5px; "
           "border-bottom-right-radius: 5px; background: rgba(255,255,255,30); }"
           "QPushButton:pressed { background: rgba(255,255,255,80); }";
}

void useGroupedBackground(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, groupedBackground());
    widget->setPalette(palette);
}

}  // namespace hv::Style
