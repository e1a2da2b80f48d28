// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/RecordBubble.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>

namespace hv {

QFont RecordBubble::font() {
    QFont font;
    font.setPixelSize(16);
    return font;
}

QTextOption RecordBubble::textOption() {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

namespace {

// The size the text takes when wrapped within the text width.
QSize measure(const QString& text) {
    static const QFont font = RecordBubble::font();
    static const qreal leading = QFontMetricsF(font).leading();
    QString laidOut = text;
    laidOut.replace('\n', QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    layout.setTextOption(RecordBubble::textOption());
    qreal width = 0;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(RecordBubble::kTextWidth);
        height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = std::max(width, line.naturalTextWidth());
    }
    layout.endLayout();
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

}  // namespace

RecordBubble RecordBubble::prepare(const HiddenMSG& record, const QString& toLabel,
                                   const QString& notSentLabel) {
    RecordBubble bubble;
    bubble.id = record.SMS_id;
    bubble.time = QString::fromStdString(record.time);
    const QString contents = QString::fromStdString(record.contents);
    const QString number = QString::fromStdString(record.telePhoneNumber);
    bubble.self = number.isEmpty();
    const bool notSent = record.statue == kStatueRefused && !notSentLabel.isEmpty();
    // "Not sent" wraps as one piece, after the dot rather than before it.
    QString status = notSentLabel;
    status.replace(' ', QChar::Nbsp);
    bubble.text = bubble.self ? contents
                              : toLabel + " " + number +
                                    (notSent ? QString(QChar::Nbsp) + "· " + status : QString()) +
                                    "\n" + contents;

    const QSize measured = measure(bubble.text);
    const int w = measured.width();
    const int h = measured.height();
    // The container of 240 x (h + 50) sits 10 below the row's top, at the right (x 80) for
    // a message read here, at the left otherwise; the picture fills its top h + 40, the
    // text sits 21 in and 14 down.
    const QPoint container(bubble.self ? 80 : 0, 10);
    bubble.bubble = QRect(container, QSize(240, h + 40));
    bubble.textBox = QRect(container + QPoint(21, 14), QSize(w + 10, h + 10));
    bubble.rowHeight = h + 60;
    return bubble;
}

}  // namespace hv
