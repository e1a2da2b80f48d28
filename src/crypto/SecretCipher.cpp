#include "crypto/SecretCipher.h"

#include "crypto/Base64.h"
#include "crypto/Utf8.h"

namespace hv {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

Md5Digest checkDigest(const Md5Digest& keyDigest) {
    return md5(std::string_view(reinterpret_cast<const char*>(keyDigest.data()), keyDigest.size()));
}

std::string makeCheckPrefix(const Md5Digest& keyDigest) {
    const Md5Digest check = checkDigest(keyDigest);
    return {kHexDigits[check[0] >> 4], kHexDigits[check[0] & 15], kHexDigits[check[1] >> 4],
            kHexDigits[check[1] & 15]};
}

std::optional<int> lowerHexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
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

std::string SecretCipher::checkPrefixOf(std::string_view password) {
    return makeCheckPrefix(md5(password));
}

bool SecretCipher::fitsCheckPrefix(std::string_view token, const Md5Digest& keyDigest) {
    if (token.size() < 4) return false;
    const Md5Digest check = checkDigest(keyDigest);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t byte = check[i / 2];
        if (token[i] != kHexDigits[i % 2 == 0 ? byte >> 4 : byte & 15]) return false;
    }
    return true;
}

SecretCipher::SecretCipher(const Md5Digest& keyDigest)
    : key_(keyDigest), checkPrefix_(makeCheckPrefix(keyDigest)) {}

std::string SecretCipher::encrypt(std::string_view text, bool plainForm) const {
    const std::string body = base64Encode(key_.process(text));
    return checkPrefix_ + (plainForm ? body : escapePlus(body));
}

std::optional<std::string> SecretCipher::decrypt(std::string_view token) const {
    if (!isAscii(token)) return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i) {
        // A token shorter than four characters fails where it ends.
        if (i >= token.size() || !lowerHexValue(token[i])) return std::nullopt;
    }
    if (token.substr(0, 4) != checkPrefix_) return std::nullopt;
    const std::string plain = key_.process(base64Decode(token.substr(4)).value_or(std::string()));
    if (!isValidUtf8(plain)) return std::nullopt;
    return plain;
}

}  // namespace hv
