// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StartupSequence.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "store/LockTime.h"
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

TEST(StartupSequence, LeavesAPartialSettingsTableAlone) {
    test::TempDir dir;
    HushvaultSqlite store(dir.path());
    StartupSequence::createTables(store);
    store.addSMS("Off", "Record");
    StartupSequence::run(store, "1.0", 0);
    const auto settings = store.findAllNewSMS();
    ASSERT_EQ(settings.size(), 1u);
    EXPECT_EQ(settings.at("Record"), "Off");
}

TEST(StartupSequence, RecordsOneRowPerVersion) {
    test::TempDir dir;
    HushvaultSqlite store(dir.path());
    StartupSequence::run(store, "1.0", 0);
    StartupSequence::run(store, "1.0", 0);
    StartupSequence::run(store, "1.1", 0);
    ASSERT_TRUE(store.connectionDataBase());
    store.closeDataBase();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.dataBasePath().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "SELECT group_concat(version, ',') FROM HidMSGVersion ORDER BY id", -1,
                       &count, nullptr);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(count, 0)), "1.0,1.1");
    sqlite3_finalize(count);
    sqlite3_close(db);
}

TEST(LockTime, FormatsSecondsWithSixDecimals) {
    EXPECT_EQ(formatLockTime(0), "0.000000");
    EXPECT_EQ(formatLockTime(1765000000.25), "1765000000.250000");
}
