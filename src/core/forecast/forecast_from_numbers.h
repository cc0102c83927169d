#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "combinations/number_mask.h"

namespace ordavex {

// The numbers the player marked as fixed in the forecast selection.
NumberMask FixedForecastNumbers(const AppState& state);

// How many numbers the loaded matrix still takes besides the fixed ones (0 without a matrix).
int NumbersBesidesFixed(const AppState& state);

// The first `count` numbers of `ranked` that are not in `skipped` (fewer when `ranked` runs out).
NumberMask FirstNumbersBesides(const std::vector<int>& ranked, std::size_t count, const NumberMask& skipped);

struct ForecastFromNumbers {
    bool applied = false;
    std::string message;  // why it was refused; empty when applied
};

// Makes `chosen` the forecast selection: the fixed numbers stay fixed, the chosen ones become
// selected and every other number goes off. Refused, with the selection left as it was, when no
// matrix is loaded or when the fixed and the chosen numbers together are not as many as the
// matrix spans (the development's own message for the difference).
ForecastFromNumbers UseNumbersAsForecast(AppState& state, const NumberMask& chosen);

}  // namespace ordavex
