#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex::test {

inline std::vector<NumberMask> MasksOf(std::initializer_list<std::initializer_list<int>> lines) {
    std::vector<NumberMask> masks;
    for (const auto& line : lines) {
        NumberMask mask;
        for (int n : line) mask.Set(n);
        masks.push_back(mask);
    }
    return masks;
}

// The draws of p numbers out of 1..N that hold 1..F and meet no line in t numbers, by visiting
// every one of them: the oracle of the checker and the generator.
inline std::uint64_t UncoveredByBruteForce(const std::vector<NumberMask>& lines, int numbers, int fixed, int drawn,
                                           int points) {
    std::uint64_t uncovered = 0;
    const auto visit = [&](auto&& self, int next, NumberMask draw, int left) -> void {
        if (left == 0) {
            const bool covered = std::any_of(lines.begin(), lines.end(),
                                             [&](NumberMask line) { return (line & draw).Count() >= points; });
            if (!covered) ++uncovered;
            return;
        }
        for (int n = next; n <= numbers - left + 1; ++n) {
            NumberMask extended = draw;
            extended.Set(n);
            self(self, n + 1, extended, left - 1);
        }
    };
    visit(visit, fixed + 1, NumberMask::FirstNumbers(fixed), drawn - fixed);
    return uncovered;
}

}  // namespace ordavex::test
