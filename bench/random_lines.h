#pragma once

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/number_text.h"

namespace ordavex::bench {

struct RandomLineShape {
    int highestNumber;  // numbers are drawn from 1..highestNumber
    int length;         // different numbers per line
    bool ascending;     // numbers in ascending order, or in random order within the line
    int digits;         // at least this many digits per number (1: as they come, 2: the "00" form)
};

// `count` lines of different random numbers separated by single blanks, the same for a seed.
inline LineList RandomLines(int count, const RandomLineShape& shape, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> numbers(static_cast<std::size_t>(shape.highestNumber));
    std::iota(numbers.begin(), numbers.end(), 1);
    LineList lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        if (shape.ascending) std::sort(numbers.begin(), numbers.begin() + shape.length);
        std::string line;
        for (int k = 0; k < shape.length; ++k) {
            if (k > 0) line += ' ';
            AppendZeroPadded(line, numbers[static_cast<std::size_t>(k)], shape.digits);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace ordavex::bench
