#pragma once

#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// Ways of making a matrix out of others. A matrix here is a set of lines over 1..N; "covers"
// means: gives t points whenever p of its numbers are drawn.

// A matrix covering for N numbers becomes one for N - 1: each line holding `removed` takes in
// its place the number used least so far that it lacks (lowest first on a tie), and the numbers
// above `removed` move down by one. It still covers: a draw without the removed number meets the
// line it met before in as many numbers. Duplicate lines are dropped.
std::vector<NumberMask> WithoutNumber(const std::vector<NumberMask>& lines, int numbers, int removed);

// The residual matrix: the lines without `removed`, renumbered as above. Of a design in which
// every s numbers lie in exactly one line, it covers s - 1 points of s - 1 drawn when every
// s - 1 numbers lie in at least two lines.
std::vector<NumberMask> LinesWithout(const std::vector<NumberMask>& lines, int removed);

// Each line brought to `length` numbers with the numbers used least so far that it lacks: a
// longer line meets every draw in at least as many numbers.
std::vector<NumberMask> Lengthened(const std::vector<NumberMask>& lines, int numbers, int length);

// The matrix for N numbers made of one for N - 1 (lines of k, t points of p) and one for N - 1
// with lines of k - 1, t - 1 points of p - 1, whose lines each take the new number N: a draw
// without N is met by the first, a draw with it by the second and N.
std::vector<NumberMask> WithNewNumber(const std::vector<NumberMask>& withoutIt,
                                      const std::vector<NumberMask>& throughIt, int newNumber);

// Every line of `first` joined with every line of `second`, whose numbers move up by `offset`:
// when the numbers are split into 1..offset and the rest, a product of a matrix that meets the
// first part of a draw in i numbers and one that meets the second part in t - i meets the draw
// in t.
std::vector<NumberMask> Product(const std::vector<NumberMask>& first, const std::vector<NumberMask>& second,
                                int offset);

// Sorted, each line once.
std::vector<NumberMask> DistinctLines(std::vector<NumberMask> lines);

}  // namespace ordavex
