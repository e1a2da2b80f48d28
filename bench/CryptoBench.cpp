// The cipher's cost on SMS-sized messages, and the reader's automatic decryption: one token
// tried against many preset passwords that do not fit it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "crypto/SecretToken.h"

namespace {

// 140 characters, an SMS-sized secret.
const std::string kMessage140 =
    "Meet me at the north gate at eight tonight; bring the blue folder, the spare key and "
    "the old photographs. Tell nobody at all and come alone.";

void BM_GenEncURL_140(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(hv::GenEncURL(kMessage140, "preset password", true));
}
BENCHMARK(BM_GenEncURL_140);

void BM_DecString_140(benchmark::State& state) {
    const std::string token = hv::GenEncURL(kMessage140, "preset password", true);
    for (auto _ : state) benchmark::DoNotOptimize(hv::DecString(token, "preset password"));
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
