// The statistics of the numbers over an archive of 1,000,000 random draws, the most an archive
// holds: counts, delays and the pairs drawn together, in one pass.
#include <benchmark/benchmark.h>

#include "random_archive.h"

#include "checking/number_statistics.h"

namespace ordavex {
namespace {

constexpr std::size_t kDraws = 1000000;

void BM_NumberStatistics(benchmark::State& state) {
    const auto draws = bench::RandomArchive(kDraws, 20261207);
    for (auto _ : state) {
        StatisticsProgress progress;
        auto statistics = CountNumberStatistics(draws, {0, draws.size()}, &progress);
        benchmark::DoNotOptimize(statistics);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kDraws));
}
BENCHMARK(BM_NumberStatistics)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace ordavex

BENCHMARK_MAIN();
