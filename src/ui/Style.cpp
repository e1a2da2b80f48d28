#include "ui/Style.h"

namespace hv::Style {

QColor barColor() {
    return QColor(0x2b, 0x3a, 0x55);
}
QColor groupedBackground() {
    return QColor(0xef, 0xef, 0xf4);
}
QColor tint() {
    return QColor(0x2f, 0x6f, 0xd6);
}

QString barTitle() {
    return "color: white; font-weight: bold; font-size: 17px;";
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

QString primaryButton() {
    return "QPushButton { color: white; font-size: 16px; font-weight: bold; border: none; "
           "border-radius: 10px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
           "stop:0 #4a8ef0, stop:1 #2f6fd6); min-height: 44px; }"
           "QPushButton:pressed { background: #2459ad; }"
           "QPushButton:disabled { background: #b8c4d6; color: #eef2f8; }";
}

QString tableRow() {
    return "background: white; border: none;";
}

}  // namespace hv::Style
