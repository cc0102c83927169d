// Development of a big matrix: 100,000 lines of ten numbers over 1..30, as matrix loading stores
// them, substituted with a forecast of 30 numbers (8 fixed), normalised and sorted.
#include <benchmark/benchmark.h>

#include "random_lines.h"

#include <algorithm>
#include <random>
#include <string>

#include "app/app_state.h"
#include "forecast/development.h"

namespace ordavex {
namespace {

constexpr int kLines = 100000;
constexpr int kMatrixNumbers = 30;
constexpr int kLineLength = 10;
constexpr int kFixedNumbers = 8;

// Lines of ten different abstract numbers out of 1..30, ascending, without leading zeros.
LineList RandomMatrix(unsigned seed) {
    return bench::RandomLines(kLines, {kMatrixNumbers, kLineLength, true, 1}, seed);
}

// A forecast of 30 numbers spread over 1..90, the first eight of them fixed.
void PickForecast(AppState& state) {
    for (int k = 0; k < kMatrixNumbers; ++k) {
        const int number = 3 * k + 2;
        state.ForecastStates[static_cast<std::size_t>(number)] = k < kFixedNumbers ? kForecastFixed : kForecastSelected;
    }
    state.RecountForecast();
}

void BM_DevelopHundredThousandLines(benchmark::State& run) {
    AppState state;
    state.ReplaceMatrix("SM30-10", RandomMatrix(20261207), kMatrixNumbers);
    PickForecast(state);
    for (auto _ : run) {
        const auto outcome = DevelopSystem(state);
        if (!outcome.developed) run.SkipWithError(outcome.message.c_str());
        benchmark::DoNotOptimize(state.SystemCombinations.data());
    }
    run.counters["lines"] = static_cast<double>(state.SystemCount);
}
BENCHMARK(BM_DevelopHundredThousandLines)->Unit(benchmark::kMillisecond);

// The substitution alone, without normalising and sorting: the share of the table lookups.
void BM_SubstituteHundredThousandLines(benchmark::State& run) {
    AppState state;
    state.ReplaceMatrix("SM30-10", RandomMatrix(20261207), kMatrixNumbers);
    PickForecast(state);
    const SubstitutionTable table = BuildSubstitutionTable(state.ForecastStates);
    for (auto _ : run) {
        LineList system;
        system.reserve(state.MatrixCombinations.size());
        for (const auto& line : state.MatrixCombinations) system.push_back(SubstituteLine(line, table));
        benchmark::DoNotOptimize(system.data());
    }
}
BENCHMARK(BM_SubstituteHundredThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordavex

BENCHMARK_MAIN();
