#pragma once

#include <cstdint>
#include <string>

#include "app/app_state.h"

namespace ordavex {

// Insert selects all ninety numbers only for a matrix of exactly this many numbers.
constexpr std::int16_t kSelectAllMatrixNumbers = 55;

// The state after one more click: off -> selected -> fixed -> off.
std::int16_t NextForecastState(std::int16_t state);

// Moves number n one state along and recounts the selection.
void CycleForecastNumber(AppState& state, int number);

// Selects every number (a fixed one becomes merely selected) or clears the selection.
void SetAllForecastNumbers(AppState& state, bool select);

// Whether Insert selects all numbers for the loaded matrix.
bool InsertSelectsAll(const AppState& state);

// How many numbers are still to be picked; negative when more are picked than the matrix spans.
int NumbersStillToSelect(const AppState& state);

// The help text of the forecast window for a matrix of the given numbers ("|" breaks lines).
std::string ForecastHelpText(int matrixNumbers);

}  // namespace ordavex
