// Checking a 100,000-line system of ten numbers against a draw of twenty numbers.
#include <benchmark/benchmark.h>

#include "random_lines.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "checking/used_numbers.h"
#include "checking/win_tabulation.h"
#include "lottery/draw_size.h"

namespace ordavex {
namespace {

constexpr int kLines = 100000;
constexpr int kLineLength = 10;

// Lines of ten different numbers out of 1..90, ascending, in the "00" form of a developed system.
LineList RandomSystem(unsigned seed) {
    return bench::RandomLines(kLines, {kHighestNumber, kLineLength, true, 2}, seed);
}

DrawMarks RandomDraw(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> numbers(kHighestNumber);
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::shuffle(numbers.begin(), numbers.end(), random);
    DrawMarks marks;
    for (int k = 0; k < kNumbersPerDraw; ++k) marks.Toggle(numbers[static_cast<std::size_t>(k)]);
    return marks;
}

WantedScores OpeningTicks() {
    WantedScores wanted{};
    for (int p : {0, 5, 6, 7, 8, 9, 10}) wanted[static_cast<std::size_t>(p)] = true;
    return wanted;
}

const LineList& System() {
    static const LineList system = RandomSystem(20261207);
    return system;
}

void BM_GeneralTable(benchmark::State& state) {
    const auto marks = RandomDraw(7);
    for (auto _ : state) {
        auto outcome = VerifyWins(System(), marks, ReportKind::kGeneral, OpeningTicks());
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_GeneralTable)->Unit(benchmark::kMillisecond);

void BM_WinnersList(benchmark::State& state) {
    const auto marks = RandomDraw(7);
    std::size_t listed = 0;
    for (auto _ : state) {
        auto outcome = VerifyWins(System(), marks, ReportKind::kWinners, OpeningTicks());
        listed = outcome.lines.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["listed"] = static_cast<double>(listed);
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_WinnersList)->Unit(benchmark::kMillisecond);

void BM_UsedNumbers(benchmark::State& state) {
    for (auto _ : state) {
        auto numbers = UsedNumbers(System());
        benchmark::DoNotOptimize(numbers);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_UsedNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordavex

BENCHMARK_MAIN();
