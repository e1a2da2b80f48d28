// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Md5.h"

#include <openssl/evp.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace hv {

namespace {

// Fetched once: fetching on every digest costs more than hashing an SMS-sized text.
// "-fips" lifts a configured default property such as "fips=yes" for this one query:
// MD5 derives keys of an existing format here, and must come from whichever loaded
// provider has it. Null when none has.
const EVP_MD* md5Algorithm() {
    static EVP_MD* const algorithm = EVP_MD_fetch(nullptr, "MD5", "-fips");
    return algorithm;
}

struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

bool digest(std::string_view bytes, Md5Digest& out) {
    const EVP_MD* algorithm = md5Algorithm();
    // One context per thread, reused: making one per digest costs as much as the digest
    // of a password (the reader tries every stored password on a token).
    thread_local const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    unsigned int length = 0;
    return algorithm && context && EVP_DigestInit_ex2(context.get(), algorithm, nullptr) == 1 &&
           EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) == 1 &&
           EVP_DigestFinal_ex(context.get(), out.data(), &length) == 1 && length == out.size();
}

}  // namespace

Md5Digest md5(std::string_view bytes) {
    Md5Digest out{};
    if (!digest(bytes, out)) {
        std::fprintf(stderr, "hushvault: %s\n", kMd5MissingMessage);
        std::abort();
    }
    return out;
}

bool md5Available() {
    static constexpr Md5Digest kEmpty = {0xd4, 0x1d, 0x8c, 0xd9, 0x8f, 0x00, 0xb2, 0x04,
                                         0xe9, 0x80, 0x09, 0x98, 0xec, 0xf8, 0x42, 0x7e};
    Md5Digest out{};
    return digest({}, out) && out == kEmpty;
}

}  // namespace hv
