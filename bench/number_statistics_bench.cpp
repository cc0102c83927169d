// The statistics of the numbers over an archive of 1,000,000 random draws, the most an archive
// holds: counts, delays and the pairs drawn together, in one pass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "checking/number_statistics.h"

namespace ordavex {
namespace {

constexpr std::size_t kDraws = 1000000;

std::vector<ArchiveDraw> RandomArchive(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> numbers(kHighestNumber);
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::vector<ArchiveDraw> draws(kDraws);
    for (auto& draw : draws) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int k = 0; k < kNumbersPerDraw; ++k) draw.numbers.Set(numbers[static_cast<std::size_t>(k)]);
    }
    return draws;
}

void BM_NumberStatistics(benchmark::State& state) {
    const auto draws = RandomArchive(20261207);
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
