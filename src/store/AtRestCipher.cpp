// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/AtRestCipher.h"

namespace hv {

namespace {

// Built once: the key is fixed, and listing thousands of rows would otherwise redo its
// digest and key schedule twice per row.
const SecretCipher& atRestCipher() {
    static const SecretCipher cipher(key);
    return cipher;
}

}  // namespace

std::string encryptAtRest(std::string_view value) {
    return atRestCipher().encrypt(value, true);
}

std::string decryptAtRest(std::string_view stored) {
    return atRestCipher().decrypt(stored).value_or(std::string());
}

}  // namespace hv
