// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LockingRule.h"

#include "store/HushvaultSqlite.h"
#include "store/NumberText.h"
#include "store/SettingsKeys.h"
#include "store/TextLength.h"

namespace hv {

bool LockingRule::isLoggedIn(const std::optional<std::string>& passWord,
                             const std::optional<std::string>& lockTime,
                             const std::optional<std::string>& time, double now) {
    if (utf16Length(passWord.value_or("")) < 4) return true;
    if (utf16Length(lockTime.value_or("")) < 5) return true;
    const float period = leadingFloat(time.value_or("")) * 60.0f;
    if (100000.0f - period < 1.0f) return true;
    const double deadline = leadingDouble(*lockTime) + double(period);
    return !(deadline < now);
}

bool LockingRule::isLoggedIn(HushvaultSqlite& store, double now) {
    const auto passWord = store.findTelephoneNumber(kSettingPassWord);
    const auto lockTime = store.findTelephoneNumber(kSettingLockTime);
    const auto settings = store.findAllNewSMS();
    const auto time = settings.find(kSettingTime);
    return isLoggedIn(passWord, lockTime,
                      time == settings.end() ? std::nullopt : std::optional(time->second), now);
}

}  // namespace hv
