// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cipher's cost on SMS-sized messages, each figure beside the bare work it cannot do
// without (OpenSSL's MD5 with the algorithm fetched once, a plain RC4 loop, OpenSSL's
// Base64), and the reader's automatic decryption: one token tried against many preset
// passwords that do not fit it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "AnchorReporter.h"
#include "BareCrypto.h"
#include "crypto/SecretToken.h"

namespace {

// 140 characters, an SMS-sized secret.
const std::string kMessage140 =
    "Meet me at the north gate at eight tonight; bring the blue folder, the spare key and "
    "the old photographs. Tell nobody at all and come alone.";
const std::string kPassword = "preset password";

// What making a token needs at the least: the key and check digests, RC4, Base64.
std::string bareMake(const std::string& text, const std::string& password) {
    using namespace hv::bench::bare;
    const Digest key = digest(password.data(), password.size());
    const Digest check = digest(key.data(), key.size());
    static const char hex[] = "0123456789abcdef";
    return std::string{hex[check[0] >> 4], hex[check[0] & 15], hex[check[1] >> 4],
                       hex[check[1] & 15]} +
           base64Encode(Rc4(key).process(text));
}

// And reading one: the same digests, the check, Base64 and RC4.
std::string bareRead(const std::string& token, const std::string& password) {
    using namespace hv::bench::bare;
    const Digest key = digest(password.data(), password.size());
    const Digest check = digest(key.data(), key.size());
    benchmark::DoNotOptimize(check);
    return Rc4(key).process(base64Decode(std::string_view(token).substr(4)));
}

const bool kAims = hv::bench::setAim("BM_Token_MakeAndRead_140", 1.5) &&
                   hv::bench::setAim("BM_WrongPassword", 1.5);

void BM_Token_MakeAndRead_140(benchmark::State& state) {
    for (auto _ : state) {
        const std::string token = hv::GenEncURL(kMessage140, kPassword, true);
        benchmark::DoNotOptimize(hv::DecString(token, kPassword));
    }
}
BENCHMARK(BM_Token_MakeAndRead_140);

void BM_Token_MakeAndRead_140_anchor(benchmark::State& state) {
    for (auto _ : state) {
        const std::string token = bareMake(kMessage140, kPassword);
        benchmark::DoNotOptimize(bareRead(token, kPassword));
    }
}
BENCHMARK(BM_Token_MakeAndRead_140_anchor);

void BM_WrongPassword(benchmark::State& state) {
    const std::string token = hv::GenEncURL(kMessage140, "the right one", true);
    for (auto _ : state) benchmark::DoNotOptimize(hv::DecString(token, kPassword));
}
BENCHMARK(BM_WrongPassword);

// Its two digests, with one digest context reused.
void BM_WrongPassword_anchor(benchmark::State& state) {
    using hv::bench::bare::md5;
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    hv::bench::bare::Digest key{}, check{};
    for (auto _ : state) {
        EVP_DigestInit_ex2(context, md5(), nullptr);
        EVP_DigestUpdate(context, kPassword.data(), kPassword.size());
        EVP_DigestFinal_ex(context, key.data(), nullptr);
        EVP_DigestInit_ex2(context, md5(), nullptr);
        EVP_DigestUpdate(context, key.data(), key.size());
        EVP_DigestFinal_ex(context, check.data(), nullptr);
        benchmark::DoNotOptimize(check);
    }
    EVP_MD_CTX_free(context);
}
BENCHMARK(BM_WrongPassword_anchor);

void BM_GenEncURL_140(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(hv::GenEncURL(kMessage140, kPassword, true));
}
BENCHMARK(BM_GenEncURL_140);

void BM_DecString_140(benchmark::State& state) {
    const std::string token = hv::GenEncURL(kMessage140, kPassword, true);
    for (auto _ : state) benchmark::DoNotOptimize(hv::DecString(token, kPassword));
}
BENCHMARK(BM_DecString_140);

void BM_Try1000WrongPasswords(benchmark::State& state) {
    const std::string token = hv::GenEncURL(kMessage140, "the right one", true);
    std::vector<std::string> passwords;
    for (int i = 0; i < 1000; ++i) passwords.push_back("wrong password " + std::to_string(i));
    for (auto _ : state) {
        int fitting = 0;
        for (const auto& password : passwords) fitting += hv::DecString(token, password) ? 1 : 0;
        benchmark::DoNotOptimize(fitting);
    }
}
BENCHMARK(BM_Try1000WrongPasswords)->Unit(benchmark::kMillisecond);

}  // namespace
