#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/search_matrix.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The careful move: of the swaps that make an uncovered set covered, the one that uncovers the
// least weight. The weights of sets left uncovered grow with every move, so the search cannot
// circle for ever around the same few sets.
class WeightedMover {
public:
    WeightedMover(SearchMatrix& matrix, SeededRandom& random);

    // Makes the set covered by swapping one number of a line that nearly covers it for one of the
    // set's numbers, even when that uncovers more than it covers; undoing the previous move at
    // once is not allowed. Returns the sets looked at.
    std::uint64_t MoveTowards(NumberMask set);
    // Forgets the previous move, for another matrix.
    void Forget() { lastLine_ = kNoLine; }

private:
    static constexpr std::size_t kNoLine = std::numeric_limits<std::size_t>::max();

    SearchMatrix& matrix_;
    SeededRandom& random_;
    // Sets that weighing one swap looks at.
    const std::uint64_t swapWork_;
    std::vector<std::size_t> nearest_;
    std::size_t lastLine_ = kNoLine;
    int lastOut_ = 0;
};

}  // namespace ordavex
