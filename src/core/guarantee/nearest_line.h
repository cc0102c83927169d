#pragma once

#include <cstddef>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The place of a line sharing most numbers with the set, of several such lines one at random;
// the lines must not be empty. The search asks this once a move, and it is most of a move's time:
// on processors with a bit-count instruction it counts with it, otherwise with
// NumberMask::Count; both choose the same line and draw the same random numbers.
std::size_t NearestLine(const std::vector<NumberMask>& lines, NumberMask set, SeededRandom& random);

// The same choice, always counting with NumberMask::Count.
std::size_t NearestLineByMaskCount(const std::vector<NumberMask>& lines, NumberMask set, SeededRandom& random);

}  // namespace ordavex
