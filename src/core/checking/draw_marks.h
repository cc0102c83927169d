#pragma once

#include <array>
#include <cstdint>

#include "app/app_state.h"
#include "combinations/number_mask.h"

namespace ordavex {

// Indexed by the number itself (1..90); entry 0 is never used.
using DrawnFlags = std::array<bool, kHighestNumber + 1>;

// The numbers marked as drawn on the draw-checking keypad. DrawnCount always equals the number
// of marked flags.
struct DrawMarks {
    DrawnFlags DrawnNumbers{};
    std::int16_t DrawnCount = 0;

    // Inverts the mark of n (1..90) and returns whether n is now marked.
    bool Toggle(int n);
    // Sets the mark of every number to `modo`.
    void AllNumbers(bool modo);
    // Marks exactly the numbers of the set, clearing every other mark.
    void MarkOnly(const NumberMask& numbers);
    bool IsMarked(int n) const { return DrawnNumbers[static_cast<std::size_t>(n)]; }
};

}  // namespace ordavex
