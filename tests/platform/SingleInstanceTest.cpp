// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <QProcess>

#include "support/TempDir.h"

namespace {

QProcess* startProbe(const QString& documents, const QString& link = {}) {
    auto* probe = new QProcess;
    probe->start(HV_PROBE, {documents, link});
    EXPECT_TRUE(probe->waitForStarted(5000));
    return probe;
}

QString readLine(QProcess* process) {
    while (!process->canReadLine())
        if (!process->waitForReadyRead(10000)) return {};
    return QString::fromUtf8(process->readLine()).trimmed();
}

}  // namespace

TEST(SingleInstance, ASecondStartHandsItsLinkToTheRunningOneAndOneThatDiedIsNoObstacle) {
    hv::test::TempDir documents;
    const QString dir = QString::fromStdString(documents.path());
    std::unique_ptr<QProcess> died(startProbe(dir));
    ASSERT_EQ(readLine(died.get()), "primary");
    died->kill();  // no clean-up: the lock file and the socket stay behind
    died->waitForFinished(5000);

    // A link too long to be a message only brings the running one forward. (A second start
    // that hands its link on, which must arrive exactly as written, is a journey.)
    std::unique_ptr<QProcess> primary(startProbe(dir));
    ASSERT_EQ(readLine(primary.get()), "primary");
    std::unique_ptr<QProcess> second(startProbe(dir, "hiddenmsg://" + QString(70000, 'A')));
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(second->readAllStandardOutput()).trimmed(), "forwarded");
    EXPECT_EQ(readLine(primary.get()), "link:");
    EXPECT_TRUE(primary->waitForFinished(10000));
}
