// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The bare cryptographic work the token format needs, for anchors: OpenSSL's MD5 with the
// algorithm fetched once, a plain RC4 loop and OpenSSL's Base64, with no checks and no
// care for bad input.
#include <openssl/evp.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace hv::bench::bare {

using Digest = std::array<unsigned char, 16>;

inline const EVP_MD* md5() {
    static EVP_MD* const algorithm = EVP_MD_fetch(nullptr, "MD5", "-fips");
    return algorithm;
}

inline Digest digest(const void* bytes, std::size_t size) {
    Digest out{};
    EVP_Digest(bytes, size, out.data(), nullptr, md5(), nullptr);
    return out;
}

class Rc4 {
public:
    explicit Rc4(const Digest& key) {
        for (int i = 0; i < 256; ++i) s_[i] = static_cast<unsigned char>(i);
        for (int i = 0, j = 0; i < 256; ++i) {
            j = (j + s_[i] + key[i % 16]) & 255;
            std::swap(s_[i], s_[j]);
        }
    }
    std::string process(std::string_view data) const {
        std::array<unsigned char, 256> s = s_;
        std::string out(data.size(), '\0');
        for (std::size_t n = 0, i = 0, j = 0; n < data.size(); ++n) {
            i = (i + 1) & 255;
            j = (j + s[i]) & 255;
            std::swap(s[i], s[j]);
            out[n] =
                static_cast<char>(static_cast<unsigned char>(data[n]) ^ s[(s[i] + s[j]) & 255]);
        }
        return out;
    }

private:
    std::array<unsigned char, 256> s_{};
};

inline std::string base64Encode(std::string_view bytes) {
    std::string out((bytes.size() + 2) / 3 * 4 + 1, '\0');
    const int length =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                        reinterpret_cast<const unsigned char*>(bytes.data()), int(bytes.size()));
    out.resize(std::size_t(length));
    return out;
}

inline std::string base64Decode(std::string_view text) {
    std::string out(text.size() / 4 * 3 + 3, '\0');
    const int length =
        EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                        reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
    std::size_t padding = 0;
    while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=')
        ++padding;
    out.resize(length < 0 ? 0 : std::size_t(length) - padding);
    return out;
}

// A stored value's text, deciphered under a key schedule made once (the store's fixed key).
inline std::string decryptStored(const Rc4& key, std::string_view token) {
    return token.size() < 4 ? std::string() : key.process(base64Decode(token.substr(4)));
}

// And the value as it is stored: the key's check characters, then the Base64 of RC4.
inline std::string encryptStored(const Rc4& key, std::string_view checkPrefix,
                                 std::string_view text) {
    return std::string(checkPrefix) + base64Encode(key.process(text));
}

// The store's fixed key, prepared once, and its check characters.
struct StoredKey {
    explicit StoredKey(std::string_view password)
        : digest_(digest(password.data(), password.size())), rc4(digest_) {
        const Digest check = digest(digest_.data(), digest_.size());
        static const char hex[] = "0123456789abcdef";
        checkPrefix = {hex[check[0] >> 4], hex[check[0] & 15], hex[check[1] >> 4],
                       hex[check[1] & 15]};
    }

private:
    Digest digest_;

public:
    Rc4 rc4;
    std::string checkPrefix;
};

}  // namespace hv::bench::bare
