#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/guarantee_checker.h"

namespace ordavex {

// A matrix read for checking its guarantee: its lines as sets and the facts the checks need.
struct GuaranteeMatrix {
    std::vector<NumberMask> lines;
    // The largest number used (N when the matrix is consecutive).
    int numbers = 0;
    // Every number 1..numbers occurs in some line.
    bool consecutive = false;
    // Fewest and most different numbers in one line.
    int shortestLine = 0;
    int longestLine = 0;
};

// Thrown when reading a matrix passes its deadline.
class ReadingTimedOut : public std::runtime_error {
public:
    ReadingTimedOut() : std::runtime_error("the time ran out while the matrix was read") {}
};

// Reads lines as the program reads a matrix's combinations (the same cleaning and numbers:
// "07", "0007" and "+7" are all 7; three blanks in a row are a missing number); lines with no
// number are skipped. Throws std::invalid_argument, naming the line, on a number outside 1..90
// or anything that is not a number, or when there is no line at all; ReadingTimedOut once the
// deadline has passed.
GuaranteeMatrix ReadGuaranteeMatrix(const std::vector<std::string>& lines, CheckDeadline deadline = {});

// Reads a matrix file item by item, as the program loads matrices. Throws OrdavexError for a
// file that cannot be read (or an item too long), and as ReadGuaranteeMatrix does.
GuaranteeMatrix ReadGuaranteeMatrixFile(const std::string& path, CheckDeadline deadline = {});

}  // namespace ordavex
