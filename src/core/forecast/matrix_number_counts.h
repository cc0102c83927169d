#pragma once

#include <array>
#include <cstdint>

#include "app/app_state.h"

namespace ordavex {

// How the abstract numbers of a matrix spread over its lines, counted once when the forecast
// window opens so that every click after that costs only a look at the ninety numbers.
struct MatrixNumberCounts {
    std::int32_t lines = 0;
    int numbers = 0;  // the highest abstract number in any line: the places a selection fills
    // The matrix has `fixed` fixed numbers: 1..fixed are in every line, fixed + 1 is not.
    int fixed = 0;
    // Entry m: how many lines hold abstract number m; entry 0 is never used.
    std::array<std::int32_t, kHighestNumber + 1> linesHolding{};
};

// Counts the lines of a loaded matrix. A number written twice in a line counts once, and a piece
// that is no number 1..90 is passed over. No lines: no fixed numbers.
MatrixNumberCounts CountMatrixNumbers(const LineList& lines);

}  // namespace ordavex
