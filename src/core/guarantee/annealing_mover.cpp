#include "guarantee/annealing_mover.h"

#include "guarantee/nearest_line.h"

namespace ordavex {

namespace {

// The temperature, in uncovered sets, cools a little every few million sets looked at, weighing and
// making swaps, so that a cycle takes about as long whether a move costs little (a few uncovered
// sets to look at) or much (large swaps taken often); it is heated again once it is too cold to
// climb out of anything.
constexpr AnnealingSchedule::Shape kSchedule{.hot = 1.0, .cold = 0.02, .cooling = 0.99, .stepWork = 2'000'000};

}  // namespace

AnnealingMover::AnnealingMover(SearchMatrix& matrix, SeededRandom& random, bool leastLossOut)
    : matrix_(matrix), random_(random), schedule_(kSchedule), leastLossOut_(leastLossOut) {}

int AnnealingMover::LeastLossOut(std::size_t chosen, NumberMask line, NumberMask set, int in) {
    int out = 0;
    std::uint64_t least = 0;
    std::uint64_t ties = 0;
    for (const int candidate : Without(line, set)) {
        const std::uint64_t loss = matrix_.Coverage().SwapLoss(static_cast<std::uint32_t>(chosen), candidate, in);
        if (out == 0 || loss < least) {
            out = candidate;
            least = loss;
            ties = 1;
        } else if (loss == least && random_.Below(++ties) == 0) {
            out = candidate;
        }
    }
    return out;
}

std::uint64_t AnnealingMover::MoveTowards(NumberMask set) {
    const std::size_t chosen = NearestLine(matrix_.Lines(), set, random_);
    const NumberMask line = matrix_.Lines()[chosen];
    int out = 0;
    int in = 0;
    if (leastLossOut_) {
        in = random_.NumberOf(Without(set, line));
        out = LeastLossOut(chosen, line, set, in);
    } else {
        out = random_.NumberOf(Without(line, set));
        in = random_.NumberOf(Without(set, line));
    }
    const double unit = random_.Unit();
    const std::int64_t change = matrix_.Coverage().QuickSwapChange(line, static_cast<std::uint32_t>(chosen), out, in);
    std::uint64_t work = matrix_.UncoveredCount() + 1;
    if (schedule_.Takes(change, unit)) {
        matrix_.SwapNumber(chosen, out, in);
        work += matrix_.Coverage().LastSwapWork();
    }
    schedule_.Spend(work);
    return work;
}

}  // namespace ordavex
