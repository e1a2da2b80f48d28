// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// Keys of the settings rows (table HidMSGNew, key in `statue`, value in `telephone`).
// "PassWord": the administrator password, plain; "" or fewer than 4 characters: none set.
inline constexpr const char* kSettingPassWord = "PassWord";
// "Time": the automatic-locking time in minutes: "0", "1", "5", "30" or "100000".
inline constexpr const char* kSettingTime = "Time";
// "LockTime": when the locking time started, seconds since the epoch formatted with "%f".
inline constexpr const char* kSettingLockTime = "LockTime";
// "Record": "On" or "Off", whether sent and decrypted messages are recorded.
inline constexpr const char* kSettingRecord = "Record";

inline constexpr const char* kRecordOn = "On";
inline constexpr const char* kRecordOff = "Off";

}  // namespace hv
