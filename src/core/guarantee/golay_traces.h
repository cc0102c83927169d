#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// A covering of every `strength` of 1..numbers (numbers below 24) by lines of `length` numbers,
// chosen among the traces of the extended Golay code: the words whose ones above `numbers` are
// exactly as many as make the rest `length` numbers. The code's words meet in many ways at once
// (every five of the 24 lie in one octad, dodecads cross octads in two, four or six), so their
// traces cover evenly, and a greedy choice among them, each line the one covering most sets still
// uncovered, lands well below a greedy choice among all lines. Each of `rounds` choices breaks
// ties otherwise; the smallest is kept. None when the traces miss some set or the play does not
// fit.
std::optional<std::vector<NumberMask>> GolayTraceCovering(int numbers, int length, int strength, int rounds,
                                                          std::uint64_t seed);

}  // namespace ordavex
