#pragma once

#include <cstddef>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The place of a line sharing most numbers with the set, of several such lines one at random;
// the lines must not be empty.
inline std::size_t NearestLine(const std::vector<NumberMask>& lines, NumberMask set, SeededRandom& random) {
    std::size_t chosen = 0;
    int mostCommon = -1;
    std::size_t ties = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int common = CommonCount(lines[i], set);
        if (common > mostCommon) {
            mostCommon = common;
            ties = 0;
        }
        if (common == mostCommon && random.Below(++ties) == 0) {
            chosen = i;
        }
    }
    return chosen;
}

}  // namespace ordavex
