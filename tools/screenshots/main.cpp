// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every screen of the application, in each shipped language and at each window size
// asked for (in points; 320x480, 360x720 and 1024x768 unless given), to PNG files named
// <size>/<screen class>-<language>.png:   hv_screenshots OUTPUT_DIRECTORY [WIDTHxHEIGHT...]
// Runs headless (QT_QPA_PLATFORM=offscreen) on a scratch documents directory; QT_SCALE_FACTOR
// draws them at another density.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "ContactTour.h"
#include "ScreenTour.h"
#include "Shoot.h"
#include "addressbook/VCardAddressBook.h"
#include "platform/Localization.h"
#include "store/StorePaths.h"

namespace {

// One sheet per screen with its languages side by side, to look at them together:
// <output>/sheets/<screen>.png.
bool drawSheets(const QDir& out) {
    QDir sheets(out.filePath("sheets"));
    sheets.mkpath(".");
    const QStringList languages = hv::Localization::shippedLanguages();
    QStringList screens;
    for (const QString& file : out.entryList({"*-" + languages.first() + ".png"}, QDir::Files))
        screens.append(file.chopped(languages.first().size() + 5));
    bool ok = true;
    for (const QString& screen : screens) {
        QList<QImage> shots;
        for (const QString& language : languages)
            shots.append(QImage(out.filePath(screen + "-" + language + ".png")));
        const int gap = 12;
        QImage sheet(shots[0].width() * int(shots.size()) + gap * int(shots.size() - 1),
                     shots[0].height(), QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        for (int i = 0; i < shots.size(); ++i)
            painter.drawImage(i * (shots[0].width() + gap), 0, shots[i]);
        painter.end();
        ok &= sheet.save(sheets.filePath(screen + ".png"));
    }
    return ok;
}

// "360x720" as a size, or an invalid one.
QSize parseSize(const QString& text) {
    const QStringList parts = text.split('x');
    bool wide = false;
    bool high = false;
    const QSize size(parts.value(0).toInt(&wide), parts.value(1).toInt(&high));
    return parts.size() == 2 && wide && high && !size.isEmpty() ? size : QSize();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: hv_screenshots OUTPUT_DIRECTORY [WIDTHxHEIGHT...]\n", stderr);
        return 2;
    }
    QList<QSize> sizes;
    for (int i = 2; i < argc; ++i) {
        const QSize size = parseSize(QString::fromLocal8Bit(argv[i]));
        if (!size.isValid()) {
            std::fprintf(stderr, "hv_screenshots: not a size: %s\n", argv[i]);
            return 2;
        }
        sizes.append(size);
    }
    if (sizes.isEmpty()) sizes = {QSize(320, 480), QSize(360, 720), QSize(1024, 768)};
    QTemporaryDir scratch;
    const auto paths = hv::StorePaths::inDirectory(scratch.path().toStdString());
    writeSampleAddressBook(scratch.filePath("vcards"));
    const hv::VCardAddressBook book(scratch.filePath("vcards").toStdString());
    bool ok = true;
    for (const QSize& size : sizes) {
        QDir folder(QString::fromLocal8Bit(argv[1]) +
                    QString("/%1x%2").arg(size.width()).arg(size.height()));
        folder.mkpath(".");
        for (const QString& language : hv::Localization::shippedLanguages())
            ok &= ScreenTour::run(language, size, paths, book,
                                  [&](hv::Window* window, const QString& screen) {
                                      return shoot(window, folder, screen, language);
                                  });
        ok &= drawSheets(folder);
    }
    return ok ? 0 : 1;
}
