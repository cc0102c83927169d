#pragma once

#include <optional>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// A set of blocks of `length` numbers over 1..numbers in which every `strength` numbers lie in
// exactly one block (a Steiner system S(strength, length, numbers)).
struct SteinerSystem {
    int numbers = 0;
    int length = 0;
    int strength = 0;
    std::vector<NumberMask> blocks;
};

// The 4096 words of the extended binary Golay code [24,12,8], each as the numbers of its ones
// over 1..24.
std::vector<NumberMask> GolayCodeWords();

// The 759 words of weight 8 of the extended binary Golay code [24,12,8], as blocks over 1..24:
// the Steiner system S(5,8,24).
SteinerSystem GolayOctads();

// The blocks through `fixed` given numbers of a system, with those numbers taken out and the rest
// renumbered 1..numbers-fixed: a Steiner system of strength and length less by `fixed`.
SteinerSystem DerivedSystem(const SteinerSystem& system, int fixed);

// S(5,8,24), S(4,7,23) and S(3,6,22).
std::vector<SteinerSystem> KnownSteinerSystems();

// A known system that already gives `points` whenever `drawn` of 1..numbers are drawn with lines
// of `length` numbers (its strength lies between the points and the drawn numbers), when there
// is one.
std::optional<std::vector<NumberMask>> KnownDesignStart(int numbers, int length, int drawn, int points);

}  // namespace ordavex
