// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/SecretToken.h"

#include "crypto/Base64.h"
#include "crypto/SecretCipher.h"

namespace hv {

std::string GenEncURL(std::string_view text, std::string_view password, bool plainForm) {
    return SecretCipher(password).encrypt(text, plainForm);
}

std::optional<std::string> DecString(std::string_view token, std::string_view password) {
    return SecretCipher::decryptOnce(token, password);
}

bool isWellFormedToken(std::string_view token) {
    if (token.size() < 4) return false;
    for (char c : token)
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    for (char c : token.substr(0, 4))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    const std::string_view body = token.substr(4);
    if (body.find_first_not_of("\t\n\v\f\r ") == std::string_view::npos) return true;
    return base64Decode(body).has_value();
}

}  // namespace hv
