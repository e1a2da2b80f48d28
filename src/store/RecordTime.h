// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv {

// The time text of a new message record: the local date and time with the Unicode date
// pattern "yyyy-MM-dd HH:mm:ss" (calendar year, 24-hour clock). Records written earlier with
// "YYYY-MM-dd hh:mm:ss" keep their text; that pattern wrote the week-based year (a record of
// the last days of December could read as the next year) and a 12-hour clock without AM or
// PM (15:09 read as 03:09). Digits are always Latin, the calendar always Gregorian.
std::string formatRecordTime(double secondsSinceEpoch);

}  // namespace hv
