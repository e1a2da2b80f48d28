// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Making and restoring a backup of 10,000 contacts and 10,000 records, each beside its
// anchor, the bare key derivation (crypto_pwhash with the parameters new backups use),
// which no backup can do without. The aim: no more than the derivation and one second
// (about 0.5 s + 1 s, a ratio of 3). The JSON alone (written and read back) is measured
// apart, as the other cost that grows with the data.
#include <benchmark/benchmark.h>
#include <sodium.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "AnchorReporter.h"
#include "BenchStore.h"
#include "backup/BackupFile.h"
#include "backup/ProfileBackup.h"

namespace {

namespace fs = std::filesystem;
using hv::bench::Fixture;

constexpr int kRows = 10000;
constexpr const char* kPassphrase = "a benchmark passphrase";

// The derivation takes about half a second: 0.5 s + 1 s is three times it.
const bool kAims = hv::bench::setAim("BM_createBackup_10000", 3.0) &&
                   hv::bench::setAim("BM_restoreBackup_10000", 3.0);

void bareDerivation() {
    unsigned char key[crypto_secretstream_xchacha20poly1305_KEYBYTES];
    unsigned char salt[crypto_pwhash_SALTBYTES] = {};
    const hv::KdfParameters kdf = hv::KdfParameters::standard();
    if (crypto_pwhash(key, sizeof key, kPassphrase, std::strlen(kPassphrase), salt, kdf.opsLimit,
                      kdf.memLimit, crypto_pwhash_ALG_ARGON2ID13) != 0)
        std::abort();
    benchmark::DoNotOptimize(key);
}

Fixture& filled() {
    static Fixture fixture(kRows, kRows);
    return fixture;
}

std::string backupFile() {
    return (fs::temp_directory_path() /
            ("hushvault-bench-" + std::to_string(::getpid()) + ".hvbackup"))
        .string();
}

void BM_createBackup_10000(benchmark::State& state) {
    const hv::ProfileBackup profile(filled().store().documentsDirectory());
    for (auto _ : state)
        if (profile.create(backupFile(), kPassphrase) != hv::BackupError::None)
            state.SkipWithError("not written");
    state.counters["bytes"] = double(fs::file_size(backupFile()));
}
BENCHMARK(BM_createBackup_10000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_createBackup_10000_anchor(benchmark::State& state) {
    for (auto _ : state) bareDerivation();
}
BENCHMARK(BM_createBackup_10000_anchor)->Unit(benchmark::kMillisecond)->Iterations(3);

// Into an empty profile each time: every contact and record is added.
void BM_restoreBackup_10000(benchmark::State& state) {
    const hv::ProfileBackup source(filled().store().documentsDirectory());
    if (source.create(backupFile(), kPassphrase) != hv::BackupError::None) std::abort();
    for (auto _ : state) {
        state.PauseTiming();
        auto empty = std::make_unique<Fixture>(0, 0);
        state.ResumeTiming();
        hv::BackupContents contents;
        hv::RestorePlan plan;
        const hv::ProfileBackup profile(empty->store().documentsDirectory());
        if (hv::ProfileBackup::read(backupFile(), kPassphrase, contents) != hv::BackupError::None ||
            profile.plan(contents, plan) != hv::BackupError::None ||
            profile.apply(plan) != hv::BackupError::None)
            state.SkipWithError("not restored");
        state.PauseTiming();  // the count and the profile's removal are not the restore's
        state.counters["rows"] =
            double(empty->store().findAllContracts().size() + empty->store().findAllSMS().size());
        empty.reset();
        state.ResumeTiming();
    }
    fs::remove(backupFile());
}
BENCHMARK(BM_restoreBackup_10000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_restoreBackup_10000_anchor(benchmark::State& state) {
    for (auto _ : state) bareDerivation();
}
BENCHMARK(BM_restoreBackup_10000_anchor)->Unit(benchmark::kMillisecond)->Iterations(3);

// The JSON of 10,000 contacts and records, written and read back: no store, no cipher.
void BM_json_10000(benchmark::State& state) {
    hv::BackupContents contents;
    if (filled().store().documentsDirectory().empty() ||
        hv::ProfileBackup(filled().store().documentsDirectory()).collect(contents) !=
            hv::BackupError::None)
        std::abort();
    for (auto _ : state) {
        const std::string json = contents.toJson();
        benchmark::DoNotOptimize(hv::BackupContents::fromJson(json));
    }
}
BENCHMARK(BM_json_10000)->Unit(benchmark::kMillisecond);

}  // namespace
