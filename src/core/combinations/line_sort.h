#pragma once

#include "app/app_state.h"

namespace ordavex {

// Rewrites every line with its numbers ascending as two-digit numbers ("00" form) separated by
// single blanks, then sorts the lines ascending as texts.
void NormalizeCombinations(LineList& lines);

// Sorts lines as texts, by character code, ascending or descending (Shell sort, halving gaps).
void ShellSortLines(LineList& lines, bool descending);

}  // namespace ordavex
