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

TEST(SingleInstance, ASecondStartHandsItsLinkToTheRunningOneAndExits) {
    hv::test::TempDir documents;
    const QString dir = QString::fromStdString(documents.path());
    std::unique_ptr<QProcess> primary(startProbe(dir));
    ASSERT_EQ(readLine(primary.get()), "primary");

    // Case matters: the token after the prefix must arrive exactly as written.
    const QString link = "HiddenMSG://9e76/nmUs9Q=+AbC";
    std::unique_ptr<QProcess> second(startProbe(dir, link));
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(second->readAllStandardOutput()).trimmed(), "forwarded");
    EXPECT_EQ(readLine(primary.get()), "link:" + link);
    EXPECT_TRUE(primary->waitForFinished(10000));
}

TEST(SingleInstance, ALinkTooLongToBeAMessageOnlyBringsTheRunningOneForward) {
    hv::test::TempDir documents;
    const QString dir = QString::fromStdString(documents.path());
    std::unique_ptr<QProcess> primary(startProbe(dir));
    ASSERT_EQ(readLine(primary.get()), "primary");
    std::unique_ptr<QProcess> second(startProbe(dir, "hiddenmsg://" + QString(70000, 'A')));
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(readLine(primary.get()), "link:");
    EXPECT_TRUE(primary->waitForFinished(10000));
}

TEST(SingleInstance, AnInstanceThatDiedLeavesNothingInTheWay) {
    hv::test::TempDir documents;
    const QString dir = QString::fromStdString(documents.path());
    std::unique_ptr<QProcess> first(startProbe(dir));
    ASSERT_EQ(readLine(first.get()), "primary");
    first->kill();  // no clean-up: the lock file and the socket stay behind
    first->waitForFinished(5000);

    std::unique_ptr<QProcess> next(startProbe(dir));
    EXPECT_EQ(readLine(next.get()), "primary");
    next->kill();
    next->waitForFinished(5000);
}

TEST(SingleInstance, EachDocumentsDirectoryHasItsOwnInstance) {
    hv::test::TempDir a, b;
    hv::SingleInstance first(QString::fromStdString(a.path()));
    hv::SingleInstance second(QString::fromStdString(b.path()));
    EXPECT_NE(first.socketPath(), second.socketPath());
    EXPECT_EQ(first.claim({}), hv::SingleInstance::Role::Primary);
    EXPECT_EQ(second.claim({}), hv::SingleInstance::Role::Primary);
    EXPECT_TRUE(first.socketPath().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
}
