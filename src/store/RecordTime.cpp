#include "store/RecordTime.h"

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

namespace hv {

std::string formatRecordTime(double secondsSinceEpoch) {
    UErrorCode status = U_ZERO_ERROR;
    // The user's locale decides the week rules behind "YYYY"; Latin digits keep the text
    // readable by every installation.
    icu::Locale locale(icu::Locale::getDefault());
    locale.setKeywordValue("numbers", "latn", status);
    status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("YYYY-MM-dd hh:mm:ss"), locale, status);
    if (U_FAILURE(status)) return {};
    icu::UnicodeString text;
    format.format(secondsSinceEpoch * 1000.0, text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

}  // namespace hv
