#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "app/work_progress.h"

namespace ordavex {

// What a combination file may hold: numbers per item, and the largest number (the smallest is 1).
struct CombinationLimits {
    std::int16_t minLength;
    std::int16_t maxLength;
    std::int16_t maxNumber;
};

// Validates a combination file item by item (an item ends at a comma or a line end) and returns
// 0 when it is acceptable, otherwise the number of the first failure in file order:
// 13 a token that is not a number, 6 a number beyond 16 bits, 102 a number below 1 or above
// maxNumber (the numbers of an item are tested before its length), 100 an item with too few or
// too many numbers, 101 no item at all, or the number of a file that cannot be opened or read.
// With `progress`, the reading counts in it and a cancel stops it with WorkCancelled.
int CheckCombinationFile(const std::string& path, const CombinationLimits& limits, WorkProgress* progress = nullptr);

// Counts the lines that are not empty after cleaning. Counting stops as soon as the count is
// above `stopAbove`, so a caller that only needs to know whether a limit is passed never reads
// more of a big file than it must. Throws OrdavexError for a file that cannot be opened or read.
std::int32_t CountCombinationLines(const std::string& path,
                                   std::int32_t stopAbove = std::numeric_limits<std::int32_t>::max());

}  // namespace ordavex
