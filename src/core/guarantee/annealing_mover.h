#pragma once

#include <cstdint>

#include "combinations/number_mask.h"
#include "guarantee/annealing_schedule.h"
#include "guarantee/search_matrix.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The quick move: one random swap towards an uncovered set, weighed from the sets only one line
// covers (see MatrixGeneratorCoverage::QuickSwapChange), taken when it uncovers no more sets than
// it covers, or else by chance, less and less likely as the search cools.
class AnnealingMover {
public:
    // With `leastLossOut`, the number the line gives up is, of those outside the set, the one
    // whose leaving uncovers fewest sets (ties drawn at random); otherwise any of them at random.
    AnnealingMover(SearchMatrix& matrix, SeededRandom& random, bool leastLossOut = false);

    // A swap of a line nearest to the set that brings one of the set's numbers into the line.
    // Returns the sets looked at, weighing and making the swap. Needs the sole covers counted.
    std::uint64_t MoveTowards(NumberMask set);
    // Hot again, for another matrix.
    void Forget() { schedule_.Reheat(); }

private:
    int LeastLossOut(std::size_t chosen, NumberMask line, NumberMask set, int in);

    SearchMatrix& matrix_;
    SeededRandom& random_;
    AnnealingSchedule schedule_;
    bool leastLossOut_;
};

}  // namespace ordavex
