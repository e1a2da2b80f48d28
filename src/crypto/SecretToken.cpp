#include "crypto/SecretToken.h"

#include "crypto/SecretCipher.h"

namespace hv {

std::string GenEncURL(std::string_view text, std::string_view password, bool plainForm) {
    return SecretCipher(password).encrypt(text, plainForm);
}

std::optional<std::string> DecString(std::string_view token, std::string_view password) {
    // Most passwords tried on a token do not fit it: they are turned away before any RC4
    // work. (Every reason to fail gives the same empty result, so the order is free.)
    const Md5Digest keyDigest = md5(password);
    if (!SecretCipher::fitsCheckPrefix(token, keyDigest)) return std::nullopt;
    return SecretCipher(keyDigest).decrypt(token);
}

}  // namespace hv
