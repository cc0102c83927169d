#pragma once

#include <string>
#include <vector>

#include "guarantee/guarantee_mask.h"

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

// Reads lines of whole numbers 1..90 separated by blanks, tabs, commas, full stops or colons;
// lines with no number are skipped. Throws std::invalid_argument, naming the line, on anything
// else or when there is no line at all.
GuaranteeMatrix ReadGuaranteeMatrix(const std::vector<std::string>& lines);

// Splits a whole file's text at CR LF, a lone CR or a lone LF.
std::vector<std::string> SplitFileLines(const std::string& text);

}  // namespace ordavex
