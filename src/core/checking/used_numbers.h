#pragma once

#include <cstdint>
#include <vector>

#include "app/app_state.h"

namespace ordavex {

// Every number from 1 to 90 that occurs in at least one line, in ascending order, each once.
// Lines are split at single blanks. A piece that is not a whole number throws OrdavexError
// (13, or 6 beyond 16 bits); a number outside 1..90 throws OrdavexError(9). Empty lines
// contribute nothing.
std::vector<std::int16_t> UsedNumbers(const LineList& lines);

}  // namespace ordavex
