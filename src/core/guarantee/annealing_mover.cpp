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

AnnealingMover::AnnealingMover(SearchMatrix& matrix, SeededRandom& random)
    : matrix_(matrix), random_(random), schedule_(kSchedule) {}

std::uint64_t AnnealingMover::MoveTowards(NumberMask set) {
    const std::size_t chosen = NearestLine(matrix_.Lines(), set, random_);
    const NumberMask line = matrix_.Lines()[chosen];
    const int out = random_.NumberOf(Without(line, set));
    const int in = random_.NumberOf(Without(set, line));
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
