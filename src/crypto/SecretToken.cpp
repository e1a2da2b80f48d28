#include "crypto/SecretToken.h"

#include "crypto/SecretCipher.h"

namespace hv {

std::string GenEncURL(std::string_view text, std::string_view password, bool plainForm) {
    return SecretCipher(password).encrypt(text, plainForm);
}

std::optional<std::string> DecString(std::string_view token, std::string_view password) {
    return SecretCipher::decryptOnce(token, password);
}

}  // namespace hv
