// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Base64 decoder takes the body of every token from outside. What it accepts must be
// exactly what some encoding gives once white space is dropped (trailing bits aside), and
// whatever is encoded must decode back.
#include <cctype>

#include "FuzzSupport.h"
#include "crypto/Base64.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string encoded = base64Encode(bytes);
    HV_FUZZ_CHECK(encoded.size() == (size + 2) / 3 * 4);
    const auto decoded = base64Decode(encoded);
    HV_FUZZ_CHECK(size == 0 ? !decoded : decoded == bytes);

    if (const auto accepted = base64Decode(bytes)) {
        std::string compact;
        for (char c : bytes)
            if (!std::isspace(static_cast<unsigned char>(c))) compact += c;
        const std::string again = base64Encode(*accepted);
        HV_FUZZ_CHECK(again.size() == compact.size());
        // Only the bits below the last character that carries data may differ.
        for (std::size_t i = 0; i < compact.size(); ++i) {
            const bool lastDataCharacter =
                i + 1 == compact.size() || (compact[i + 1] == '=' && compact[i] != '=');
            HV_FUZZ_CHECK(lastDataCharacter || again[i] == compact[i]);
        }
    }
    return 0;
}
