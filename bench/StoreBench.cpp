// The store's operations as the screens use them: each opens and closes the database file.
#include <benchmark/benchmark.h>

#include "BenchStore.h"

namespace {

using hv::bench::Fixture;

void BM_addContracts(benchmark::State& state) {
    Fixture fixture(0, 0);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fixture.store().addContracts("Friend", Fixture::number(i++), "preset", "1"));
}
BENCHMARK(BM_addContracts)->Unit(benchmark::kMicrosecond);

void BM_findContractByTelephoneNumber_1000(benchmark::State& state) {
    Fixture fixture(1000, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fixture.store().findContractByTelephoneNumber(Fixture::number(500)));
}
BENCHMARK(BM_findContractByTelephoneNumber_1000)->Unit(benchmark::kMicrosecond);

void BM_findAllContracts_1000(benchmark::State& state) {
    Fixture fixture(1000, 0);
    for (auto _ : state) benchmark::DoNotOptimize(fixture.store().findAllContracts());
}
BENCHMARK(BM_findAllContracts_1000)->Unit(benchmark::kMillisecond);

void BM_findAllSMS_10000(benchmark::State& state) {
    Fixture fixture(0, 10000);
    for (auto _ : state) benchmark::DoNotOptimize(fixture.store().findAllSMS());
}
BENCHMARK(BM_findAllSMS_10000)->Unit(benchmark::kMillisecond);

}  // namespace
