// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv {

// The "LockTime" text of a moment: seconds since 1970-01-01 00:00 UTC with "%f", that is
// a decimal number with six digits after the point, as every installation writes it.
std::string formatLockTime(double secondsSinceEpoch);

// Seconds since 1970-01-01 00:00 UTC, now, from the system clock.
double secondsSinceEpochNow();

}  // namespace hv
