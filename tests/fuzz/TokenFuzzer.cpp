// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Secret-message tokens: what one phone makes, another reads back exactly; a password whose
// check prefix differs never opens a token; and a token from outside, whatever its bytes,
// gives nothing or UTF-8 text under the password whose prefix it carries.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "crypto/SecretCipher.h"
#include "crypto/SecretToken.h"
#include "crypto/Utf8.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    FuzzedDataProvider input(data, size);
    const std::string password = input.ConsumeRandomLengthString(64);
    const std::string otherPassword = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const SecretCipher cipher(password);
    const std::string token = cipher.encrypt(text, true);
    HV_FUZZ_CHECK(token.compare(0, 4, cipher.checkPrefix()) == 0);
    const auto back = cipher.decrypt(token);
    HV_FUZZ_CHECK(back.has_value() == isValidUtf8(text));
    HV_FUZZ_CHECK(!back || *back == text);
    HV_FUZZ_CHECK(DecString(token, password) == back);

    const SecretCipher other(otherPassword);
    if (other.checkPrefix() != cipher.checkPrefix()) HV_FUZZ_CHECK(!other.decrypt(token));

    // Bytes from outside: as they came, and behind the password's own check prefix so that
    // the Base64, RC4 and UTF-8 steps see them too.
    for (const std::string& outside : {raw, cipher.checkPrefix() + text}) {
        const auto plain = cipher.decrypt(outside);
        HV_FUZZ_CHECK(DecString(outside, password) == plain);
        if (!plain) continue;
        HV_FUZZ_CHECK(outside.compare(0, 4, cipher.checkPrefix()) == 0);
        HV_FUZZ_CHECK(isValidUtf8(*plain));
        HV_FUZZ_CHECK(plain->size() <= outside.size());
    }
    return 0;
}
