#pragma once

namespace ordavex {

// How many numbers a combination holds, in a system and in a matrix alike, so that every system
// developed from a matrix can be saved and loaded back.
constexpr int kShortestCombination = 5;
constexpr int kLongestCombination = 10;

}  // namespace ordavex
