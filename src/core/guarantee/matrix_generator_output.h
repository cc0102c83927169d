#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// What the name of a matrix made within a budget of lines says when the lines fall short of the
// points aimed at: the budget and those points.
struct BudgetMarks {
    std::size_t budget = 0;
    int aimedPoints = 0;
};

// The file name that states the guarantee the way the program reads it, e.g.
// MATRIX10_08_V6_N20.TXT: the line length at characters 7-8, the drawn numbers at 10-11, the
// points after the first "V" (no "F" or "V" comes earlier), then N; with F fixed numbers "_F<F>"
// follows (the first "F" of the name), MATRIX10_08_V6_N18_F2.TXT; a budget matrix short of its
// aim states the points that fully hold, then "_B<budget>_T<aimed points>",
// MATRIX10_08_V5_N20_B40_T6.TXT.
std::string ConventionalMatrixName(int numbers, int length, int drawn, int points, int fixed = 0,
                                   std::optional<BudgetMarks> marks = std::nullopt);

// The lines in the program's combination format: two-digit numbers separated by one blank, CR LF
// between lines and none after the last.
std::string MatrixFileText(const std::vector<NumberMask>& lines);

}  // namespace ordavex
