// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every image the application ships, so that they are made reproducibly from code:
//   hv_imagegen RESOURCES_DIRECTORY
// Each picture of RESOURCES_DIRECTORY/images is drawn for one, two and three pixels a point
// ("name.png", "name@2x.png", "name@3x.png"), so that it is sharp on every screen; the
// desktop's icon goes to RESOURCES_DIRECTORY/icons/<N>x<N>/<app id>.png. The drawings are in units
// of half a point, except the small tile icons, drawn in points.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

#include "Version.h"

namespace {

const QColor kNavy(0x1c, 0x2a, 0x44);
const QColor kBlue(0x2f, 0x6f, 0xd6);
const QColor kSky(0x5a, 0x9c, 0xf5);

// A top-to-bottom gradient over the given height.
QLinearGradient vertical(int height, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// Pixels per drawing unit of the copy being drawn.
qreal gPixelsPerUnit = 1.0;

// A picture w x h drawing units large, whose painter draws in those units.
QImage canvas(int w, int h) {
    QImage image(qRound(w * gPixelsPerUnit), qRound(h * gPixelsPerUnit),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(gPixelsPerUnit);
    image.fill(Qt::transparent);
    return image;
}

// The whole picture, in drawing units.
QRectF area(const QImage& image) {
    return QRectF(QPointF(), image.deviceIndependentSize());
}

// An envelope whose flap carries a small keyhole: the application's mark.
void drawMark(QPainter& p, const QRectF& box, const QColor& paper, const QColor& ink) {
    const qreal w = box.width();
    const qreal h = box.height();
    QRectF body(box.left(), box.top() + h * 0.18, w, h * 0.64);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(body, w * 0.06, w * 0.06);
    QPainterPath flap;
    flap.moveTo(body.topLeft() + QPointF(w * 0.03, h * 0.02));
    flap.lineTo(body.center().x(), body.top() + body.height() * 0.58);
    flap.lineTo(body.topRight() + QPointF(-w * 0.03, h * 0.02));
    p.setPen(QPen(ink, w * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    const QPointF hole(body.center().x(), body.top() + body.height() * 0.66);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(hole, w * 0.07, w * 0.07);
    QPainterPath stem;
    stem.moveTo(hole + QPointF(-w * 0.035, 0));
    stem.lineTo(hole + QPointF(w * 0.035, 0));
    stem.lineTo(hole + QPointF(w * 0.055, h * 0.17));
    stem.lineTo(hole + QPointF(-w * 0.055, h * 0.17));
    stem.closeSubpath();
    p.drawPath(stem);
}

QImage logo(int size) {
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, size);
    background.setColorAt(0, kSky);
    background.setColorAt(1, kBlue.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    drawMark(p, QRectF(size * 0.18, size * 0.16, size * 0.64, size * 0.68), Qt::white,
             kBlue.darker(140));
    return image;
}

QImage info(bool pressed) {
    QImage image = canvas(44, 44);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(pressed ? QColor(255, 255, 255, 110) : QColor(255, 255, 255, 0));
    p.drawEllipse(QRectF(3, 3, 38, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(22, 13.5), 2.8, 2.8);
    p.drawRoundedRect(QRectF(19.5, 19, 5, 15), 2, 2);
    return image;
}

QImage bar(const QColor& top, const QColor& bottom) {
    QImage image = canvas(640, 88);
    QPainter p(&image);
    const QLinearGradient g = vertical(88, top, bottom);
    p.fillRect(area(image), g);
    p.fillRect(QRect(0, 0, 640, 2), QColor(255, 255, 255, 50));
    p.fillRect(QRect(0, 86, 640, 2), QColor(0, 0, 0, 90));
    return image;
}

QImage menuBackground() {
    QImage image = canvas(640, 872);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = vertical(872, QColor(0xf4, 0xf7, 0xfc), QColor(0xdc, 0xe5, 0xf3));
    p.fillRect(area(image), g);
    QRadialGradient glow(QPointF(520, 120), 360);
    glow.setColorAt(0, QColor(0x5a, 0x9c, 0xf5, 60));
    glow.setColorAt(1, QColor(0x5a, 0x9c, 0xf5, 0));
    p.fillRect(area(image), glow);
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xd6, 18), 2));
    for (int i = -872; i < 640; i += 48) p.drawLine(i, 872, i + 872, 0);
    return image;
}

QImage newMessageButton(const QColor& top, const QColor& bottom, qreal markOpacity) {
    QImage image = canvas(560, 236);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = vertical(236, top, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 560, 236), 32, 32);
    p.setOpacity(markOpacity);
    drawMark(p, QRectF(380, 40, 150, 156), Qt::white, bottom);
    return image;
}

QImage tileIcon(const std::function<void(QPainter&)>& draw) {
    QImage image = canvas(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    draw(p);
    return image;
}

void contacts(QPainter& p) {
    p.drawEllipse(QPointF(16, 13), 6, 6);
    p.drawArc(QRectF(5, 21, 22, 22), 0, 180 * 16);
    p.setPen(QPen(kSky, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(28, 15), 4.5, 4.5);
    p.drawArc(QRectF(22, 23, 14, 16), 20 * 16, 140 * 16);
}

void records(QPainter& p) {
    p.drawRoundedRect(QRectF(4, 6, 24, 17), 6, 6);
    p.drawLine(QPointF(10, 23), QPointF(8, 29));
    p.setPen(QPen(kSky, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(QRectF(14, 18, 22, 15), 6, 6);
    p.drawLine(QPointF(30, 33), QPointF(32, 37));
}

void settings(QPainter& p) {
    const QPointF c(20, 20);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawLine(QPointF(0, -11), QPointF(0, -15));
        p.restore();
    }
    p.drawEllipse(c, 10.5, 10.5);
    p.drawEllipse(c, 4, 4);
}

void guide(QPainter& p) {
    QPainterPath book;
    book.moveTo(20, 10);
    book.cubicTo(15, 6, 8, 6, 4, 8);
    book.lineTo(4, 32);
    book.cubicTo(8, 30, 15, 30, 20, 34);
    book.cubicTo(25, 30, 32, 30, 36, 32);
    book.lineTo(36, 8);
    book.cubicTo(32, 6, 25, 6, 20, 10);
    book.lineTo(20, 34);
    p.drawPath(book);
}

// An opened envelope: a message to read.
void openedEnvelope(QPainter& p) {
    QPainterPath envelope;
    envelope.moveTo(5, 17);
    envelope.lineTo(20, 6);
    envelope.lineTo(35, 17);
    envelope.lineTo(35, 34);
    envelope.lineTo(5, 34);
    envelope.closeSubpath();
    p.drawPath(envelope);
    QPainterPath fold;
    fold.moveTo(5, 17);
    fold.lineTo(20, 27);
    fold.lineTo(35, 17);
    p.drawPath(fold);
}

// The composer's input bar: a light strip, a rounded white field, a blue send button.
QImage entryBackground() {
    QImage image = canvas(640, 80);
    QPainter p(&image);
    const QLinearGradient g = vertical(80, QColor(0xe9, 0xed, 0xf3), QColor(0xd3, 0xd9, 0xe3));
    p.fillRect(area(image), g);
    p.fillRect(QRect(0, 0, 640, 2), QColor(0xb4, 0xbc, 0xc8));
    return image;
}

QImage entryField() {
    QImage image = canvas(60, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xa9, 0xb3, 0xc1), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 5, 54, 50), 18, 18);
    return image;
}

QImage sendButton() {
    QImage image = canvas(124, 52);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = vertical(52, kSky, kBlue.darker(115));
    p.setPen(QPen(kBlue.darker(140), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 122, 50), 24, 24);
    return image;
}

// Behind the passcode pad: a calm gradient with the mark faint in the lower half.
QImage padBackground() {
    QImage image = canvas(640, 872);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QLinearGradient g = vertical(872, QColor(0xee, 0xf2, 0xf8), QColor(0xd2, 0xdc, 0xec));
    p.fillRect(area(image), g);
    p.setOpacity(0.07);
    drawMark(p, QRectF(170, 420, 300, 312), kNavy, QColor(0xee, 0xf2, 0xf8));
    return image;
}

// A speech bubble of 50 x 40 points for 9-slice stretching with a left cap of 21 and a top
// cap of 14 (the pixels right of and below them stretch): the tail at the bottom left for
// a message to someone, at the bottom right for one the user read.
QImage bubble(bool self) {
    QImage image = canvas(100, 80);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (self) {  // mirrored: the tail on the right
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    QPainterPath shape;
    shape.addRoundedRect(QRectF(14, 2, 84, 74), 22, 22);
    QPainterPath tail;
    tail.moveTo(20, 50);
    tail.quadTo(16, 70, 2, 76);
    tail.quadTo(24, 76, 36, 64);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(QPen(self ? QColor(0x8f, 0xb4, 0xe8) : QColor(0xb8, 0xc2, 0xd0), 2));
    p.setBrush(self ? QColor(0xd6, 0xe6, 0xfc) : Qt::white);
    p.drawPath(shape);
    return image;
}

// The reader's action button, 280 x 44 points: blue to decrypt, green to reply.
QImage actionButton(const QColor& top, const QColor& bottom) {
    QImage image = canvas(560, 88);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(bottom.darker(130), 2));
    p.setBrush(vertical(88, top, bottom));
    p.drawRoundedRect(QRectF(1, 1, 558, 86), 18, 18);
    return image;
}

// The round badge, 30 x 30 points, that the contact lists' row images sit on.
QImage rowBadge(const QColor& fill, const QColor& rim) {
    QImage image = canvas(60, 60);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(3, 3, 54, 54));
    return image;
}

// A secret contact with a preset password: a gold key on the badge.
QImage keyImage() {
    QImage image = rowBadge(QColor(0xfd, 0xf3, 0xd8), QColor(0xd9, 0xa4, 0x1e));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(0xc8, 0x8a, 0x0c);
    p.setPen(QPen(gold, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(21, 30), 8, 8);
    p.drawLine(QPointF(29, 30), QPointF(46, 30));
    p.drawLine(QPointF(41, 30), QPointF(41, 38));
    p.drawLine(QPointF(46, 30), QPointF(46, 37));
    return image;
}

// A secret contact without one: the badge alone, faint.
QImage blankImage() {
    return rowBadge(QColor(0xf4, 0xf5, 0xf8), QColor(0xd5, 0xd9, 0xe0));
}

// A person of the address book, with one dot for one number or three for several.
QImage personImage(int dots) {
    QImage image = rowBadge(QColor(0xe4, 0xec, 0xf8), QColor(0x9d, 0xb3, 0xd6));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x74, 0x9c));
    p.drawEllipse(QPointF(30, 22), 8, 8);
    QPainterPath shoulders;
    shoulders.moveTo(15, 44);
    shoulders.cubicTo(15, 30, 45, 30, 45, 44);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setBrush(kBlue);
    for (int i = 0; i < dots; ++i)
        p.drawEllipse(QPointF(30 + (i - (dots - 1) / 2.0) * 8, 51), 3, 3);
    return image;
}

struct Picture {
    const char* name;
    qreal unitsPerPoint;
    std::function<QImage()> draw;
};

bool save(const QImage& image, const QDir& dir, const QString& name) {
    QImage copy = image;
    copy.setDevicePixelRatio(1.0);
    if (copy.save(dir.filePath(name), "PNG")) return true;
    std::fprintf(stderr, "hv_imagegen: cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

// The picture for each density: "name.png", "name@2x.png", "name@3x.png".
bool saveCopies(const Picture& picture, const QDir& dir) {
    bool ok = true;
    for (int density = 1; density <= 3; ++density) {
        // A painter draws no finer than a pixel a unit: a sparser copy is drawn at that
        // and scaled down.
        const qreal pixelsPerUnit = density / picture.unitsPerPoint;
        gPixelsPerUnit = qMax(1.0, pixelsPerUnit);
        QImage image = picture.draw();
        if (pixelsPerUnit < 1.0)
            image = image.scaled(image.size() * pixelsPerUnit, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        const QString suffix = density == 1 ? QString() : QString("@%1x").arg(density);
        ok &= save(image, dir, QString(picture.name) + suffix + ".png");
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: hv_imagegen RESOURCES_DIRECTORY\n", stderr);
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    QDir dir(resources.filePath("images"));
    dir.mkpath(".");
    const QColor disabledTop(0xb8, 0xc4, 0xd6);
    const QColor disabledBottom(0x98, 0xa6, 0xbc);
    const QColor green(0x5c, 0xc8, 0x7a);
    const QColor darkGreen(0x2f, 0x96, 0x4e);
    const Picture pictures[] = {
        {"LOGO", 2, [] { return logo(192); }},  // 96 points, the about screen's
        {"a6", 2, [] { return info(false); }},
        {"a6-S", 2, [] { return info(true); }},
        {"navigation", 2, [] { return bar(QColor(0x3a, 0x4d, 0x70), kNavy); }},
        {"tabNavigation_cg", 2,
         [] { return bar(QColor(0x2f, 0x5f, 0xb0), QColor(0x1d, 0x3b, 0x73)); }},
        {"menu_background", 2, menuBackground},
        {"menu_new_message", 2, [] { return newMessageButton(kSky, kBlue.darker(120), 0.9); }},
        {"menu_new_message_pressed", 2,
         [] { return newMessageButton(kBlue, kBlue.darker(160), 0.7); }},
        {"menu_new_message_disabled", 2,
         [&] { return newMessageButton(disabledTop, disabledBottom, 0.6); }},
        {"menu_contacts", 1, [] { return tileIcon(contacts); }},
        {"menu_records", 1, [] { return tileIcon(records); }},
        {"menu_settings", 1, [] { return tileIcon(settings); }},
        {"menu_guide", 1, [] { return tileIcon(guide); }},
        {"menu_read", 1, [] { return tileIcon(openedEnvelope); }},
        {"MessageEntryBackground", 2, entryBackground},
        {"MessageEntryInputField", 1, entryField},  // its corners drawn large
        {"MessageEntrySendButton", 2, sendButton},
        {"bg3", 2, padBackground},
        {"bubble", 2, [] { return bubble(false); }},
        {"bubbleSelf", 2, [] { return bubble(true); }},
        {"button5", 2, [] { return actionButton(kSky, kBlue.darker(115)); }},
        {"button2", 2, [&] { return actionButton(green, darkGreen); }},
        {"key", 2, keyImage},
        {"blank", 2, blankImage},
        {"multinum2", 2, [] { return personImage(1); }},
        {"multinum3", 2, [] { return personImage(3); }},
    };
    bool ok = true;
    for (const Picture& picture : pictures) ok &= saveCopies(picture, dir);
    // The desktop's icon, drawn at each size the icon theme asks for besides the scalable
    // one (icons/scalable, drawn by hand after the same mark).
    gPixelsPerUnit = 1.0;
    for (const int size : {64, 128, 256}) {
        QDir icons(resources.filePath(QString("icons/%1x%1").arg(size)));
        icons.mkpath(".");
        ok &= save(logo(size), icons, QString(kHushvaultAppId) + ".png");
    }
    return ok ? 0 : 1;
}
