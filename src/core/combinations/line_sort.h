#pragma once

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

}  // namespace ordavex
