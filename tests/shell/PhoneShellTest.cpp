// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hushvault on a phone's shell: Phosh's compositor (phoc), headless, at the outputs of real
// phones; a screenshot (grim) must show Hushvault over the whole output, its own bar at the
// top where a desktop title bar would otherwise be.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "crypto/SecretToken.h"
#include "support/TempDir.h"

namespace {

struct Output {
    const char* mode;
    int scale;
    bool withLink;  // started with a link: the reader shows
};

// The share of the screenshot that Hushvault leaves uncovered: the black, where no window
// is, or all of it when its blue navigation bar is not at the top (a desktop title bar
// would be grey).
double uncovered(const QImage& shot) {
    const QColor top = shot.pixelColor(shot.width() / 2, 4);
    if (top.blue() <= top.red() + 40) return 1.0;
    qint64 black = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) == 0) ++black;
    return double(black) / (qint64(shot.width()) * shot.height());
}

class PhoneShellTest : public ::testing::TestWithParam<Output> {};

TEST_P(PhoneShellTest, HushvaultCoversTheWholeOutputWithoutATitleBar) {
    const QString phoc = QStandardPaths::findExecutable("phoc");
    const QString grim = QStandardPaths::findExecutable("grim");
    if (phoc.isEmpty() || grim.isEmpty()) GTEST_SKIP() << "needs phoc and grim";
    QTemporaryDir runtime;  // private to this user, as a runtime directory must be
    const std::string config =
        hv::test::writeFile(runtime.filePath("phoc.ini").toStdString(),
                            QString("[output:HEADLESS-1]\nmode=%1\nscale=%2\n")
                                .arg(GetParam().mode, QString::number(GetParam().scale))
                                .toStdString());

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
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(phoc, {"-C", QString::fromStdString(config), "-E", app.join(' ')});
    ASSERT_TRUE(shell.waitForStarted());

    // Screenshots until Hushvault has drawn the output over, for at most 30 seconds.
    environment.insert("WAYLAND_DISPLAY", "wayland-0");
    QImage shot;
    double share = 1.0;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && shell.state() == QProcess::Running) {
        QThread::msleep(500);
        QProcess capture;
        capture.setProcessEnvironment(environment);
        capture.start(grim, {"-"});  // the PNG on standard output
        capture.waitForFinished(10000);
        if (!shot.loadFromData(capture.readAllStandardOutput())) continue;
        share = uncovered(shot);
        if (share < 0.001) break;
    }
    shell.kill();
    shell.waitForFinished();
    ASSERT_FALSE(shot.isNull()) << shell.readAll().toStdString();
    EXPECT_LT(share, 0.001) << "uncovered: " << share * 100 << " % (100: no bar at the top)";
}

INSTANTIATE_TEST_SUITE_P(
    Phones, PhoneShellTest,
    ::testing::Values(Output{"720x1440", 2, false}, Output{"720x1440", 2, true},
                      Output{"1440x720", 2, false}, Output{"1440x720", 2, true},
                      Output{"1080x2340", 3, false}, Output{"1080x2340", 3, true}));

}  // namespace
