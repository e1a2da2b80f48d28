// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The store's operations as the screens use them (each opens and closes the database
// file), every one beside its anchor: the bare sqlite3 open, prepare, bind, step, finalize
// and close of the same statement on the same file, with the bare enciphering of the
// values the store keeps encrypted (Base64 and RC4 under the fixed key, made once).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "AnchorReporter.h"
#include "BareCrypto.h"
#include "BenchStore.h"
#include "store/AtRestCipher.h"
#include "store/SettingsKeys.h"

namespace {

using hv::bench::Fixture;

const hv::bench::bare::StoredKey& storedKey() {
    static const hv::bench::bare::StoredKey key(hv::key);
    return key;
}

std::string bareEncrypt(std::string_view text) {
    return hv::bench::bare::encryptStored(storedKey().rc4, storedKey().checkPrefix, text);
}

// One statement the bare way: every column of every row read out as text, the encrypted
// ones deciphered. The bytes read, or nothing when SQLite failed.
std::optional<std::size_t> bare(const std::string& path, const char* sql,
                                const std::vector<std::string>& binds, int firstBind = 1,
                                const std::vector<int>& encryptedColumns = {}) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK;
    for (std::size_t i = 0; ok && i < binds.size(); ++i)
        ok = sqlite3_bind_text(statement, firstBind + int(i), binds[i].data(), int(binds[i].size()),
                               SQLITE_TRANSIENT) == SQLITE_OK;
    std::size_t bytes = 0;
    std::string column;
    int step = SQLITE_DONE;
    while (ok && (step = sqlite3_step(statement)) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            column.assign(text ? text : "", std::size_t(sqlite3_column_bytes(statement, c)));
            if (std::find(encryptedColumns.begin(), encryptedColumns.end(), c) !=
                encryptedColumns.end())
                column = hv::bench::bare::decryptStored(storedKey().rc4, column);
            bytes += column.size();
        }
    ok = ok && step == SQLITE_DONE;
    sqlite3_finalize(statement);
    sqlite3_close_v2(db);
    if (!ok) return std::nullopt;
    return bytes;
}

// Runs the bare call once per iteration; a failing one ends the anchor, which would
// otherwise look almost free.
template <class Call>
void runBare(benchmark::State& state, Call call) {
    for (auto _ : state) {
        const std::optional<std::size_t> bytes = call();
        if (!bytes) {
            state.SkipWithError("the bare statement failed");
            break;
        }
        benchmark::DoNotOptimize(bytes);
    }
}

const bool kAims = [] {
    for (const char* name :
         {"BM_addContracts", "BM_findContractByTelephoneNumber_1000", "BM_findAllContracts_1000",
          "BM_findAllSMS_10000", "BM_findTelephoneNumber", "BM_updatetel"})
        hv::bench::setAim(name, 1.3);
    return true;
}();

void BM_addContracts(benchmark::State& state) {
    Fixture fixture(0, 0);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fixture.store().addContracts("Friend", Fixture::number(i++), "preset", "1"));
}
BENCHMARK(BM_addContracts)->Unit(benchmark::kMicrosecond);

void BM_addContracts_anchor(benchmark::State& state) {
    Fixture fixture(0, 0);
    int i = 0;
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(),
                    "INSERT OR REPLACE INTO SecContract(id ,name,telephone, passWord,checkCode) "
                    "VALUES (?,?,?,?,?);",
                    {bareEncrypt("Friend"), bareEncrypt(Fixture::number(i++)), "preset", "1"}, 2);
    });
}
BENCHMARK(BM_addContracts_anchor)->Unit(benchmark::kMicrosecond);

void BM_findContractByTelephoneNumber_1000(benchmark::State& state) {
    Fixture fixture(1000, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fixture.store().findContractByTelephoneNumber(Fixture::number(500)));
}
BENCHMARK(BM_findContractByTelephoneNumber_1000)->Unit(benchmark::kMicrosecond);

void BM_findContractByTelephoneNumber_1000_anchor(benchmark::State& state) {
    Fixture fixture(1000, 0);
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(),
                    "SELECT * FROM SecContract WHERE telephone = ?1",
                    {bareEncrypt(Fixture::number(500))}, 1, {1, 2});
    });
}
BENCHMARK(BM_findContractByTelephoneNumber_1000_anchor)->Unit(benchmark::kMicrosecond);

void BM_findAllContracts_1000(benchmark::State& state) {
    Fixture fixture(1000, 0);
    for (auto _ : state) benchmark::DoNotOptimize(fixture.store().findAllContracts());
}
BENCHMARK(BM_findAllContracts_1000)->Unit(benchmark::kMillisecond);

void BM_findAllContracts_1000_anchor(benchmark::State& state) {
    Fixture fixture(1000, 0);
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(), "SELECT * FROM SecContract ORDER BY id DESC",
                    {}, 1, {1, 2});
    });
}
BENCHMARK(BM_findAllContracts_1000_anchor)->Unit(benchmark::kMillisecond);

void BM_findAllSMS_10000(benchmark::State& state) {
    Fixture fixture(0, 10000);
    for (auto _ : state) benchmark::DoNotOptimize(fixture.store().findAllSMS());
}
BENCHMARK(BM_findAllSMS_10000)->Unit(benchmark::kMillisecond);

void BM_findAllSMS_10000_anchor(benchmark::State& state) {
    Fixture fixture(0, 10000);
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(), "SELECT * FROM HidMSG ORDER BY id DESC", {}, 1,
                    {1, 2});
    });
}
BENCHMARK(BM_findAllSMS_10000_anchor)->Unit(benchmark::kMillisecond);

void BM_findTelephoneNumber(benchmark::State& state) {
    Fixture fixture(0, 0);
    fixture.store().addSMS(hv::kRecordOn, hv::kSettingRecord);
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture.store().findTelephoneNumber(hv::kSettingRecord));
}
BENCHMARK(BM_findTelephoneNumber)->Unit(benchmark::kMicrosecond);

void BM_findTelephoneNumber_anchor(benchmark::State& state) {
    Fixture fixture(0, 0);
    fixture.store().addSMS(hv::kRecordOn, hv::kSettingRecord);
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(), "SELECT * FROM HidMSGNew WHERE statue = ?1",
                    {hv::kSettingRecord});
    });
}
BENCHMARK(BM_findTelephoneNumber_anchor)->Unit(benchmark::kMicrosecond);

void BM_updatetel(benchmark::State& state) {
    Fixture fixture(0, 0);
    fixture.store().addSMS(hv::kRecordOn, hv::kSettingRecord);
    int i = 0;
    for (auto _ : state)
        fixture.store().updatetel(hv::kSettingRecord, i++ % 2 ? hv::kRecordOn : hv::kRecordOff);
}
BENCHMARK(BM_updatetel)->Unit(benchmark::kMicrosecond);

void BM_updatetel_anchor(benchmark::State& state) {
    Fixture fixture(0, 0);
    fixture.store().addSMS(hv::kRecordOn, hv::kSettingRecord);
    int i = 0;
    runBare(state, [&] {
        return bare(fixture.store().dataBasePath(),
                    "UPDATE HidMSGNew SET telephone=?1 WHERE statue=?2;",
                    {i++ % 2 ? hv::kRecordOn : hv::kRecordOff, hv::kSettingRecord});
    });
}
BENCHMARK(BM_updatetel_anchor)->Unit(benchmark::kMicrosecond);

}  // namespace
