#include "access/LockingRule.h"

#include "store/HushvaultSqlite.h"
#include "store/NumberText.h"
#include "store/SettingsKeys.h"

namespace hv {

namespace {

// Length in UTF-16 code units, the way text lengths have always been counted here.
std::size_t utf16Length(const std::string& text) {
    std::size_t units = 0;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) != 0x80) ++units;  // a lead byte starts a code point
        if (byte >= 0xF0) ++units;           // beyond U+FFFF: a surrogate pair
    }
    return units;
}

}  // namespace

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
