#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "forecast/matrix_number_counts.h"
#include "lottery/number_range.h"

namespace ordavex {

// How many numbers of the forecast are gold (fixed).
int GoldNumberCount(const std::array<std::int16_t, kHighestNumber + 1>& forecastStates);

// What the forecast window tells about the gold numbers. Development gives them the matrix's
// first places, 1, 2, ... in ascending order: the text says in how many of the matrix's lines
// they will stand, measured against the matrix's own fixed numbers, or, with no gold number,
// what gold is for. Empty for a matrix without lines.
std::string FixedNumbersText(const MatrixNumberCounts& counts, int goldNumbers);

}  // namespace ordavex
