#include "guarantee/weighted_mover.h"

#include <algorithm>

namespace ordavex {

namespace {

// Sets a move may look at when it weighs the number swaps for one uncovered set: enough to weigh
// every swap of every nearest line in all but the largest cases.
constexpr std::uint64_t kMoveWork = 1'000'000;

}  // namespace

WeightedMover::WeightedMover(SearchMatrix& matrix, SeededRandom& random)
    : matrix_(matrix),
      random_(random),
      swapWork_(std::max<std::uint64_t>(1, matrix.Coverage().SwapWork(matrix.Length()))) {}

std::uint64_t WeightedMover::MoveTowards(NumberMask set) {
    const std::vector<NumberMask>& lines = matrix_.Lines();
    nearest_.clear();
    int mostCommon = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int common = CommonCount(lines[i], set);
        if (common > mostCommon) {
            mostCommon = common;
            nearest_.clear();
        }
        if (common == mostCommon) {
            nearest_.push_back(i);
        }
    }
    std::uint64_t tries = std::max<std::uint64_t>(1, kMoveWork / swapWork_);
    std::uint64_t work = 0;
    std::int64_t bestChange = std::numeric_limits<std::int64_t>::max();
    std::size_t bestLine = 0;
    int bestOut = 0;
    int bestIn = 0;
    std::uint64_t ties = 0;
    // Starting at a random line, weigh every swap of every nearest line, as far as the work
    // allows.
    const std::size_t first = random_.Below(nearest_.size());
    for (std::size_t n = 0; n < nearest_.size() && tries > 0; ++n) {
        const std::size_t chosen = nearest_[(first + n) % nearest_.size()];
        const NumberMask line = lines[chosen];
        for (const int out : Without(line, set)) {
            for (const int in : Without(set, line)) {
                if (tries == 0) break;
                if (chosen == lastLine_ && in == lastOut_) {
                    continue;
                }
                --tries;
                work += swapWork_;
                const std::int64_t change = matrix_.Coverage().WeightedSwapChange(line, out, in);
                if (change < bestChange) {
                    bestChange = change;
                    ties = 1;
                } else if (change > bestChange || random_.Below(++ties) != 0) {
                    continue;
                }
                bestLine = chosen;
                bestOut = out;
                bestIn = in;
            }
            if (tries == 0) break;
        }
    }
    if (bestChange != std::numeric_limits<std::int64_t>::max()) {
        matrix_.SwapNumber(bestLine, bestOut, bestIn);
        lastLine_ = bestLine;
        lastOut_ = bestOut;
    }
    matrix_.RaiseUncoveredWeights();
    return work;
}

}  // namespace ordavex
