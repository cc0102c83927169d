#pragma once

#include <string>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// The file name that states the guarantee the way the program reads it, e.g.
// MATRIX10_08_V6_N20.TXT: the line length at characters 7-8, the drawn numbers at 10-11, the
// points after the first "V" (no "F" or "V" comes earlier), then N.
std::string ConventionalMatrixName(int numbers, int length, int drawn, int points);

// The lines in the program's combination format: two-digit numbers separated by one blank, CR LF
// between lines and none after the last.
std::string MatrixFileText(const std::vector<NumberMask>& lines);

}  // namespace ordavex
