// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LockingRule.h"

#include <gtest/gtest.h>

#include "store/LockTime.h"
#include "store/StartupSequence.h"
#include "support/TempDir.h"

namespace LockingRule = hv::LockingRule;

namespace {

constexpr double kNow = 1765000000.0;

bool loggedIn(const char* password, const std::string& lockTime, const char* time) {
    return LockingRule::isLoggedIn(std::string(password), lockTime, std::string(time), kNow);
}

}  // namespace

TEST(LockingRule, WithoutAPasswordOrLockTimeTheUserIsLoggedIn) {
    EXPECT_TRUE(loggedIn("", hv::formatLockTime(0), "0"));
    EXPECT_TRUE(loggedIn("123", hv::formatLockTime(0), "0"));
    EXPECT_TRUE(LockingRule::isLoggedIn(std::nullopt, std::nullopt, std::nullopt, kNow));
    EXPECT_TRUE(loggedIn("1234", "", "0"));
    EXPECT_TRUE(loggedIn("1234", "1234", "0"));
    EXPECT_FALSE(loggedIn("1234", "12345", "0"));
    // Lengths count characters, not bytes: four Chinese characters are a password.
    EXPECT_FALSE(loggedIn("密码密码", hv::formatLockTime(0), "0"));
}

TEST(LockingRule, TheDeadlineIsLockTimePlusTheLockingPeriod) {
    EXPECT_TRUE(loggedIn("1234", hv::formatLockTime(kNow - 60), "1"));   // deadline is now
    EXPECT_FALSE(loggedIn("1234", hv::formatLockTime(kNow - 61), "1"));  // one second past
    EXPECT_TRUE(loggedIn("1234", hv::formatLockTime(kNow - 299), "5"));
    EXPECT_FALSE(loggedIn("1234", hv::formatLockTime(kNow - 301), "5"));
    EXPECT_FALSE(loggedIn("1234", hv::formatLockTime(kNow - 1), "0"));
    EXPECT_TRUE(loggedIn("1234", hv::formatLockTime(kNow), "0"));
    EXPECT_FALSE(loggedIn("1234", hv::formatLockTime(kNow - 1), "not a number"));
}

TEST(LockingRule, NeverMeansNeverWhateverTheLockTime) {
    EXPECT_TRUE(loggedIn("1234", hv::formatLockTime(0), "100000"));
    EXPECT_TRUE(loggedIn("1234", hv::formatLockTime(0), "1666.67"));   // above 99999 s
    EXPECT_FALSE(loggedIn("1234", hv::formatLockTime(0), "1666.65"));  // 99999 s locks
}

TEST(LockingRule, ReadsTheStoredSettings) {
    hv::test::TempDir dir;
    hv::HushvaultSqlite store(dir.path());
    hv::StartupSequence::run(store, "1.0", kNow - 120);
    EXPECT_TRUE(LockingRule::isLoggedIn(store, kNow));
    store.updatetel("PassWord", "2468");
    EXPECT_FALSE(LockingRule::isLoggedIn(store, kNow));
    store.updatetel("Time", "5");
    EXPECT_TRUE(LockingRule::isLoggedIn(store, kNow));
}
