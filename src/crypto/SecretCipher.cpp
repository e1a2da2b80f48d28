// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/SecretCipher.h"

#include "crypto/Base64.h"
#include "crypto/Utf8.h"

namespace hv {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string makeCheckPrefix(const Md5Digest& keyDigest) {
    const Md5Digest check =
        md5(std::string_view(reinterpret_cast<const char*>(keyDigest.data()), keyDigest.size()));
    return {kHexDigits[check[0] >> 4], kHexDigits[check[0] & 15], kHexDigits[check[1] >> 4],
            kHexDigits[check[1] & 15]};
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F) return false;
    return true;
}

std::string escapePlus(const std::string& body) {
    std::string out;
    out.reserve(body.size() + 8);
    for (char c : body) {
        if (c == '+')
            out += "%2B";
        else
            out += c;
    }
    return out;
}

}  // namespace

SecretCipher::SecretCipher(std::string_view password) : SecretCipher(md5(password)) {}

std::optional<std::string> SecretCipher::decryptOnce(std::string_view token,
                                                     std::string_view password) {
    const Md5Digest keyDigest = md5(password);
    std::string prefix = makeCheckPrefix(keyDigest);
    // Every reason to fail gives the same empty result, so the prefix may come first.
    if (token.substr(0, 4) != prefix) return std::nullopt;
    return SecretCipher(keyDigest, std::move(prefix)).decrypt(token);
}

SecretCipher::SecretCipher(const Md5Digest& keyDigest)
    : SecretCipher(keyDigest, makeCheckPrefix(keyDigest)) {}

SecretCipher::SecretCipher(const Md5Digest& keyDigest, std::string checkPrefix)
    : key_(keyDigest), checkPrefix_(std::move(checkPrefix)) {}

std::string SecretCipher::encrypt(std::string_view text, bool plainForm) const {
    const std::string body = base64Encode(key_.process(text));
    return checkPrefix_ + (plainForm ? body : escapePlus(body));
}

std::optional<std::string> SecretCipher::decrypt(std::string_view token) const {
    if (!isAscii(token)) return std::nullopt;
    // The check prefix is four lower-case hex digits: a shorter token, or one with anything
    // else in its first four characters, cannot equal it.
    if (token.substr(0, 4) != checkPrefix_) return std::nullopt;
    const std::string plain = key_.process(base64Decode(token.substr(4)).value_or(std::string()));
    if (!isValidUtf8(plain)) return std::nullopt;
    return plain;
}

}  // namespace hv
