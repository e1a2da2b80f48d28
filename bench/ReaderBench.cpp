// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader's automatic decryption: every stored contact's preset password tried on one
// token, newest first, the store read included.
#include <benchmark/benchmark.h>

#include "BenchStore.h"
#include "crypto/SecretToken.h"
#include "sms/MessageReader.h"

namespace {

void BM_AutomaticDecryption_1000ContactsNoneFitting(benchmark::State& state) {
    hv::bench::Fixture fixture(1000, 0);
    const std::string token = hv::GenEncURL("see you at eight", "nobody's password", true);
    hv::MessageReader reader(fixture.store());
    for (auto _ : state) {
        auto plain = reader.decryptWithContacts(token);
        if (plain) state.SkipWithError("a stored password fitted");
        benchmark::DoNotOptimize(plain);
    }
}
BENCHMARK(BM_AutomaticDecryption_1000ContactsNoneFitting)->Unit(benchmark::kMillisecond);

}  // namespace
