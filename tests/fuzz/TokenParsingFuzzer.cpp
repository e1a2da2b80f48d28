// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a person pastes into the command line (a token, a link, a whole SMS) and what the
// reader cuts off a delivered link. Any text gives a token no longer than itself with no
// "%2B" left in it, and a real token is found again in every way a message carries it.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"
#include "sms/MessageReader.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string parsed = tokenFromLink(raw);
    HV_FUZZ_CHECK(parsed.size() <= raw.size());
    HV_FUZZ_CHECK(fuzz::lowered(parsed).find("%2b") == std::string::npos);

    FuzzedDataProvider input(data, size);
    const std::string label = input.ConsumeRandomLengthString(40);
    const std::string password = input.ConsumeRandomLengthString(20);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::string token = GenEncURL(text, password, true);
    const std::string escaped = GenEncURL(text, password, false);

    const std::string link = std::string(SECRETOPENURL) + token;
    HV_FUZZ_CHECK(MessageReader::tokenAfterPrefix(link) == token);
    HV_FUZZ_CHECK(tokenFromLink(link) == token);
    HV_FUZZ_CHECK(tokenFromLink("HiddenMSG://" + token) == token);
    HV_FUZZ_CHECK(tokenFromLink(" \t" + escaped + "\r\n") == token);
    HV_FUZZ_CHECK(tokenFromLink("http://example.org/s/?m=" + escaped) == token);
    HV_FUZZ_CHECK(tokenFromLink("https://example.org/s/?lang=en&m=" + escaped + "#top") == token);
    // A whole SMS body: the label, a space, the link. A label that holds a link of its own
    // is not one the composer makes.
    if (label.find("://") == std::string::npos) {
        HV_FUZZ_CHECK(tokenFromLink(label + " " + link) == token);
        HV_FUZZ_CHECK(tokenFromLink(label + " http://example.org/s/?m=" + escaped) == token);
    }
    return 0;
}
