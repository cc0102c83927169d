#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"

namespace ordavex {

// Rewrites every line with its numbers ascending as two-digit numbers ("00" form) separated by
// single blanks, then sorts the lines ascending as texts. Every line must hold whole numbers
// separated by single blanks; otherwise OrdavexError (13, or 6 for a number beyond 16 bits) is
// thrown and the list is left exactly as it was.
void NormalizeCombinations(LineList& lines);

// Sorts lines as texts, by character code (bytes as unsigned values, no locale, a text sorts
// before any longer text that begins with it), ascending or descending. Any number of lines.
void ShellSortLines(LineList& lines, bool descending);

// The numbers of a list of lines, all in one array: line i holds the numbers from ends[i - 1]
// (0 for the first line) up to ends[i].
struct NumberLines {
    std::vector<std::int16_t> numbers;
    std::vector<std::size_t> ends;

    // Room for the numbers of `lines`: a number takes at least one character and a blank.
    void Reserve(const LineList& lines) {
        std::size_t most = 0;
        for (const std::string& line : lines) most += (line.size() + 1) / 2;
        numbers.reserve(most);
        ends.reserve(lines.size());
    }
};

// The second half of NormalizeCombinations, for numbers read or made elsewhere: `lines` becomes
// the lines of `read` normalised and sorted, whatever it held before. The order of the numbers
// within `read` is not kept.
void WriteNormalizedLines(NumberLines& read, LineList& lines);

}  // namespace ordavex
