// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/RecordTime.h"

#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

namespace hv {

std::string formatRecordTime(double secondsSinceEpoch) {
    UErrorCode status = U_ZERO_ERROR;
    // The calendar is always the Gregorian one and the digits Latin, so that every
    // installation reads the text alike.
    const icu::Locale locale = icu::Locale::getDefault();
    icu::SimpleDateFormat format(icu::UnicodeString("yyyy-MM-dd HH:mm:ss"), locale, status);
    if (U_FAILURE(status)) return {};
    auto* calendar = new icu::GregorianCalendar(locale, status);
    if (U_FAILURE(status)) {
        delete calendar;
        return {};
    }
    format.adoptCalendar(calendar);
    icu::NumberFormat* digits = icu::NumberFormat::createInstance(icu::Locale::getRoot(), status);
    if (U_FAILURE(status) || !digits) {
        delete digits;
        return {};
    }
    format.adoptNumberFormat(digits);
    icu::UnicodeString text;
    format.format(secondsSinceEpoch * 1000.0, text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

}  // namespace hv
