// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "crypto/Rc4.h"

namespace hv {

// The secret-message cipher bound to one password: it computes the password's check
// prefix and RC4 key schedule once, so that encrypting or decrypting many values under
// the same password (the store's fixed key) does not repeat that work. The tokens are
// exactly those of GenEncURL and DecString. Immutable after construction.
class SecretCipher {
public:
    explicit SecretCipher(std::string_view password);

    // The token of the text: four lower-case hex check characters, then the Base64 of the
    // RC4 cipher bytes. In the escaped form every "+" of the Base64 text becomes "%2B".
    std::string encrypt(std::string_view text, bool plainForm) const;

    // The plain text of a plain-form token, or nothing when the token is not ASCII, its
    // check prefix is not four lower-case hex digits or does not fit the password, or the
    // plain bytes are not UTF-8. A body that is not valid Base64 gives the empty text.
    std::optional<std::string> decrypt(std::string_view token) const;

    // The four check characters of this password.
    const std::string& checkPrefix() const { return checkPrefix_; }
    // decrypt() under a password used once: most passwords tried on a token do not fit
    // it, and are turned away at the check prefix before any RC4 work (two digests).
    static std::optional<std::string> decryptOnce(std::string_view token,
                                                  std::string_view password);

private:
    explicit SecretCipher(const Md5Digest& keyDigest);
    SecretCipher(const Md5Digest& keyDigest, std::string checkPrefix);

    Rc4Key key_;
    std::string checkPrefix_;
};

}  // namespace hv
