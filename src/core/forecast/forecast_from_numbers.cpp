#include "forecast/forecast_from_numbers.h"

#include <algorithm>

#include "forecast/development.h"

namespace ordavex {

namespace {

constexpr const char* kNoMatrix = "Caricare una Matrice ..!";

}  // namespace

NumberMask FixedForecastNumbers(const AppState& state) {
    NumberMask fixed;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (state.ForecastStates[static_cast<std::size_t>(n)] == kForecastFixed) fixed.Set(n);
    }
    return fixed;
}

int NumbersBesidesFixed(const AppState& state) {
    if (!state.HasMatrix()) return 0;
    return std::max(0, state.MatrixNumbers - FixedForecastNumbers(state).Count());
}

NumberMask FirstNumbersBesides(const std::vector<int>& ranked, std::size_t count, const NumberMask& skipped) {
    NumberMask first;
    std::size_t taken = 0;
    for (const int number : ranked) {
        if (taken == count) break;
        if (number < kLowestNumber || number > kHighestNumber || skipped.Has(number) || first.Has(number)) continue;
        first.Set(number);
        ++taken;
    }
    return first;
}

ForecastFromNumbers UseNumbersAsForecast(AppState& state, const NumberMask& chosen) {
    if (!state.HasMatrix()) return {false, kNoMatrix};
    const NumberMask fixed = FixedForecastNumbers(state);
    const NumberMask wanted = Without(chosen, fixed) & NumberMask::FirstNumbers(kHighestNumber);
    std::string mismatch = ForecastCountsMessage(fixed.Count() + wanted.Count(), state.MatrixNumbers);
    if (!mismatch.empty()) return {false, std::move(mismatch)};
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        auto& entry = state.ForecastStates[static_cast<std::size_t>(n)];
        if (entry != kForecastFixed) entry = wanted.Has(n) ? kForecastSelected : kForecastOff;
    }
    state.RecountForecast();
    return {true, {}};
}

}  // namespace ordavex
