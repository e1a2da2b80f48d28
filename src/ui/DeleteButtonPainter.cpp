#include "ui/DeleteButtonPainter.h"

#include <QPainter>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"

namespace hv {

void DeleteButtonPainter::paint(QPainter* painter, const QRect& button, const QFont& baseFont) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0xe5, 0x39, 0x35));
    painter->drawRoundedRect(button, 6, 6);
    QFont bold = baseFont;
    bold.setPixelSize(13);
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(Qt::white);
    painter->drawText(button, Qt::AlignCenter, localized(kKeyDelete));
    painter->restore();
}

}  // namespace hv
