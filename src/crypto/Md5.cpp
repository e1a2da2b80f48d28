#include "crypto/Md5.h"

#include <openssl/evp.h>

namespace hv {

namespace {

// The implementation is fetched from the provider once; fetching it on every digest
// costs more than hashing an SMS-sized text.
const EVP_MD* md5Algorithm() {
    static EVP_MD* const algorithm = EVP_MD_fetch(nullptr, "MD5", nullptr);
    return algorithm ? algorithm : EVP_md5();
}

}  // namespace

Md5Digest md5(std::string_view bytes) {
    Md5Digest digest{};
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, md5Algorithm(), nullptr);
    return digest;
}

}  // namespace hv
