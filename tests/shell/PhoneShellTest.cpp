// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hushvault on a phone's shell: Phosh's compositor (phoc), headless, at the outputs of real
// phones; a screenshot (grim) must show Hushvault over the whole output, its own bar at the
// top where a desktop title bar would otherwise be.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "crypto/SecretToken.h"

namespace {

struct Output {
    const char* mode;
    int scale;
    bool withLink;  // started with a link: the reader shows
};

// The share of the screenshot left black: what no window covers.
double blackShare(const QImage& shot) {
    qint64 black = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) == 0) ++black;
    return double(black) / (qint64(shot.width()) * shot.height());
}

// The navigation bar is blue; a desktop title bar would be grey.
bool barAtTheTop(const QImage& shot) {
    const QColor top = shot.pixelColor(shot.width() / 2, 4);
    return top.blue() > top.red() + 40;
}

class PhoneShellTest : public ::testing::TestWithParam<Output> {};

TEST_P(PhoneShellTest, HushvaultCoversTheWholeOutputWithoutATitleBar) {
    const QString phoc = QStandardPaths::findExecutable("phoc");
    const QString grim = QStandardPaths::findExecutable("grim");
    if (phoc.isEmpty() || grim.isEmpty()) GTEST_SKIP() << "needs phoc and grim";
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(runtime.filePath("phoc.ini"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QString("[output:HEADLESS-1]\nmode=%1\nscale=%2\n")
                     .arg(GetParam().mode, QString::number(GetParam().scale))
                     .toUtf8());
    config.close();

    QStringList app{HV_APP_BINARY, "--data-dir=" + runtime.filePath("profile"), "--sms=outbox"};
    if (GetParam().withLink)
        app << QString::fromStdString("hiddenmsg://" + hv::GenEncURL("north gate", "tea", false));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("WLR_BACKENDS", "headless");
    environment.insert("WLR_RENDERER", "pixman");
    environment.insert("QT_QPA_PLATFORM", "wayland");
    environment.insert("XDG_CURRENT_DESKTOP", "Phosh:GNOME");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("DISPLAY");
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(phoc, {"-C", config.fileName(), "-E", app.join(' ')});
    ASSERT_TRUE(shell.waitForStarted());

    // Screenshots until Hushvault has drawn the output over, for at most 30 seconds.
    environment.insert("WAYLAND_DISPLAY", "wayland-0");
    QImage shot;
    double black = 1.0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && shell.state() == QProcess::Running) {
        QThread::msleep(500);
        QProcess capture;
        capture.setProcessEnvironment(environment);
        capture.start(grim, {runtime.filePath("shot.png")});
        if (!capture.waitForFinished(10000) || capture.exitCode() != 0) continue;
        shot = QImage(runtime.filePath("shot.png"));
        if (shot.isNull()) continue;
        black = blackShare(shot);
        if (black < 0.001 && barAtTheTop(shot)) break;
    }
    shell.kill();
    shell.waitForFinished();
    ASSERT_FALSE(shot.isNull()) << shell.readAll().toStdString();
    EXPECT_LT(black, 0.001) << "black: " << black * 100 << " %";
    EXPECT_TRUE(barAtTheTop(shot)) << "no navigation bar at the top";
}

INSTANTIATE_TEST_SUITE_P(
    Phones, PhoneShellTest,
    ::testing::Values(Output{"720x1440", 2, false}, Output{"720x1440", 2, true},
                      Output{"1440x720", 2, false}, Output{"1440x720", 2, true},
                      Output{"1080x2340", 3, false}, Output{"1080x2340", 3, true}));

}  // namespace
