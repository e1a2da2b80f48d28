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

}  // namespace

TEST(LockingRule, WithoutAPasswordOrLockTimeTheUserIsLoggedIn) {
    EXPECT_TRUE(LockingRule::isLoggedIn(std::nullopt, std::nullopt, std::nullopt, kNow));
    struct Case {
        std::string password, lockTime, time;
        bool loggedIn;
    };
    const Case cases[] = {
        {"", hv::formatLockTime(0), "0", true},
        {"123", hv::formatLockTime(0), "0", true},
        {"1234", "", "0", true},
        {"1234", "1234", "0", true},
        {"1234", "12345", "0", false},
        // Lengths count characters, not bytes: four Chinese characters are a password.
        {"密码密码", hv::formatLockTime(0), "0", false},
        // The deadline is the lock time plus the locking period.
        {"1234", hv::formatLockTime(kNow - 60), "1", true},  // deadline is now
        {"1234", hv::formatLockTime(kNow - 61), "1", false},
        {"1234", hv::formatLockTime(kNow - 299), "5", true},
        {"1234", hv::formatLockTime(kNow - 301), "5", false},
        {"1234", hv::formatLockTime(kNow - 1), "0", false},
        {"1234", hv::formatLockTime(kNow), "0", true},
        {"1234", hv::formatLockTime(kNow - 1), "not a number", false},
        // "Never" means never, whatever the lock time; 99999 s still locks.
        {"1234", hv::formatLockTime(0), "100000", true},
        {"1234", hv::formatLockTime(0), "1666.67", true},
        {"1234", hv::formatLockTime(0), "1666.65", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LockingRule::isLoggedIn(c.password, c.lockTime, c.time, kNow), c.loggedIn)
            << c.password << " " << c.lockTime << " " << c.time;
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
