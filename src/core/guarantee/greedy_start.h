#pragma once

#include <cstdint>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/search_control.h"
#include "guarantee/search_matrix.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The first matrix of a search: lines added one at a time, each covering one uncovered set and,
// of the candidates weighed, as many other uncovered sets as it can, until every set is covered.
class GreedyStart {
public:
    GreedyStart(const GeneratorSettings& settings, SearchMatrix& matrix, SeededRandom& random, SearchControl& control);

    // Adds lines to the matrix until every set is covered or it has `budget` lines (0: no
    // limit), or until a stop is requested or the table is broken.
    void Build(std::size_t budget = 0);

private:
    NumberMask RandomLineThrough(NumberMask set);
    NumberMask GreedyLineThrough(NumberMask set);
    // A stop was requested (progress is reported meanwhile), or the table broke.
    bool Stopped();
    std::uint64_t NewlyCovered(NumberMask line) const;
    void DrawSample();

    const GeneratorSettings& settings_;
    SearchMatrix& matrix_;
    SeededRandom& random_;
    SearchControl& control_;
    const NumberMask all_;
    // The uncovered sets the candidates are weighed on; empty when they are weighed on all.
    std::vector<NumberMask> sample_;
};

}  // namespace ordavex
