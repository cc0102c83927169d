// Checking a system of ten-number lines against an archive of 10,000 draws: 200 lines (a usual
// system) and 100,000 lines (10^9 pairs of a line and a draw).
#include <benchmark/benchmark.h>

#include "random_archive.h"
#include "random_lines.h"

#include "checking/archive_check.h"

namespace ordavex {
namespace {

constexpr std::size_t kDraws = 10000;
constexpr int kLineLength = 10;

void BM_CheckArchive(benchmark::State& state) {
    const auto lines = static_cast<int>(state.range(0));
    const auto system = bench::RandomLines(lines, {kHighestNumber, kLineLength, true, 2}, 20261207);
    const auto draws = bench::RandomArchive(kDraws, 16);
    const ArchiveChecker checker(system, 0);
    for (auto _ : state) {
        ArchiveRecord record;
        checker.Check(draws, 0, draws.size(), record);
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations() * lines * kDraws);
}
BENCHMARK(BM_CheckArchive)
    ->Arg(200)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace ordavex

BENCHMARK_MAIN();
