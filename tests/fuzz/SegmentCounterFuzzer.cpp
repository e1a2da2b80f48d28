// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The composer counts SMS parts on every keystroke of text it does not control (pasted,
// from a draft): any bytes give a count, the count of a body is the sum of its pieces' in
// the GSM alphabet, and the parts are what the units need.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "crypto/Utf8.h"
#include "sms/SmsSegmentCounter.h"

using namespace hv;

namespace {

void checkParts(const SmsSegments& segments) {
    const int single = segments.gsm7 ? 160 : 70;
    const int perPart = segments.gsm7 ? 153 : 67;
    HV_FUZZ_CHECK(segments.units >= 0);
    if (segments.units <= single) {
        HV_FUZZ_CHECK(segments.parts == 1);
        return;
    }
    // As many parts as the units need, and one more now and then where a character in
    // two halves did not fit at the end of a part.
    HV_FUZZ_CHECK(segments.parts >= (segments.units + perPart - 1) / perPart);
    HV_FUZZ_CHECK(segments.parts <= (segments.units + perPart - 2) / (perPart - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    const SmsSegments whole = countSmsSegments(body);
    checkParts(whole);
    HV_FUZZ_CHECK(whole.units <= static_cast<int>(2 * size));
    if (!isValidUtf8(body)) return 0;

    // Split where a character starts.
    FuzzedDataProvider input(data, size);
    std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, size);
    while (at < size && (static_cast<unsigned char>(body[at]) & 0xC0) == 0x80) ++at;
    const SmsSegments head = countSmsSegments(body.substr(0, at));
    const SmsSegments tail = countSmsSegments(body.substr(at));
    HV_FUZZ_CHECK(whole.gsm7 == (head.gsm7 && tail.gsm7));
    if (whole.gsm7 || (!head.gsm7 && !tail.gsm7))
        HV_FUZZ_CHECK(whole.units == head.units + tail.units);
    return 0;
}
