#pragma once

#include <string>

namespace hv {

// The time text of a message record: the local date and time with the Unicode date
// pattern "YYYY-MM-dd hh:mm:ss" (week-based year, 12-hour clock without AM/PM), as every
// installation writes it. Digits are always Latin.
std::string formatRecordTime(double secondsSinceEpoch);

}  // namespace hv
