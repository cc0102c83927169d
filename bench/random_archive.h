#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <random>
#include <vector>

#include "checking/draw_archive.h"
#include "lottery/number_range.h"

namespace ordavex::bench {

// `count` random draws of 20 different numbers of 1..90, the same for a seed.
inline std::vector<ArchiveDraw> RandomArchive(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> numbers(kHighestNumber);
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::vector<ArchiveDraw> draws(count);
    for (auto& draw : draws) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int k = 0; k < kNumbersPerDraw; ++k) draw.numbers.Set(numbers[static_cast<std::size_t>(k)]);
    }
    return draws;
}

}  // namespace ordavex::bench
