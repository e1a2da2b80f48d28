// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StartupSequence.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "store/LockTime.h"
#include "support/RawSql.h"
#include "support/TempDir.h"

using namespace hv;

TEST(StartupSequence, SeedsTheFourSettingsOnceOnly) {
    test::TempDir dir;
    HushvaultSqlite store(dir.path());
    const double start = secondsSinceEpochNow();
    StartupSequence::run(store, "1.0", start);

    auto settings = store.findAllNewSMS();
    ASSERT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings["Time"], "0");
    EXPECT_EQ(settings["PassWord"], "");
    EXPECT_EQ(settings["Record"], "On");
    const std::string lockTime = settings["LockTime"];
    ASSERT_EQ(lockTime.size() - lockTime.find('.'), 7u) << lockTime;  // six decimals
    EXPECT_NEAR(std::strtod(lockTime.c_str(), nullptr), start, 1.0);

    store.updatetel("Time", "5");
    StartupSequence::run(store, "1.0", start + 60);
    settings = store.findAllNewSMS();
    EXPECT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings["Time"], "5");
    EXPECT_EQ(settings["LockTime"], lockTime);
}

TEST(StartupSequence, RecordsOneRowPerVersion) {
    test::TempDir dir;
    HushvaultSqlite store(dir.path());
    for (const char* version : {"1.0", "1.0", "1.1"}) StartupSequence::run(store, version, 0);
    EXPECT_TRUE(store.findByVersion("1.0") && store.findByVersion("1.1"));
    // A unique index can be made only when no version is recorded twice.
    EXPECT_TRUE(
        test::runSql(store.dataBasePath(), "CREATE UNIQUE INDEX once ON HidMSGVersion(version);"));
}
