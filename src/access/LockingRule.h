// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace hv {

class HushvaultSqlite;

// Decides at start-up whether the user counts as logged in (the main menu's IsLogin):
// - no administrator password (fewer than 4 characters), or a "LockTime" shorter than 5
//   characters: logged in;
// - a locking time ("Time" minutes × 60, in single precision) above 99999 seconds means
//   never lock: logged in;
// - otherwise logged in while "LockTime" + that period is not earlier than now.
namespace LockingRule {

bool isLoggedIn(const std::optional<std::string>& passWord,
                const std::optional<std::string>& lockTime, const std::optional<std::string>& time,
                double now);

// Reads "PassWord" and "LockTime" one by one and "Time" from all settings, as stored.
bool isLoggedIn(HushvaultSqlite& store, double now);

}  // namespace LockingRule

}  // namespace hv
