// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Links the platform hands over, as raw text: the reader opens only for a link whose first
// twelve bytes are the prefix (ASCII letters in any case) with a token after it, and then
// cuts off exactly those twelve bytes.
#include <QString>

#include "FuzzSupport.h"
#include "app/LinkAcceptance.h"
#include "crypto/SecretLink.h"
#include "sms/MessageReader.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString link =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The text as the reader gets it back from the platform's string.
    const std::string bytes = link.toStdString();

    const bool accepted = LinkAcceptance::accepts(link);
    const bool expected =
        fuzz::lowered(bytes.substr(0, SECRETOPENURL.size())) == SECRETOPENURL && link.size() >= 16;
    HV_FUZZ_CHECK(accepted == expected);
    if (accepted) {
        const std::string token = MessageReader::tokenAfterPrefix(bytes);
        HV_FUZZ_CHECK(token == bytes.substr(SECRETOPENURL.size()));
        HV_FUZZ_CHECK(!token.empty());
    }
    return 0;
}
