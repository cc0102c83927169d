#include "guarantee/rotation_search.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "guarantee/annealing_schedule.h"
#include "guarantee/binomial.h"
#include "guarantee/nearest_line.h"
#include "guarantee/number_choices.h"

namespace ordavex {

namespace {

constexpr int kMostFixedNumbers = 2;
// The annealing's temperature, in uncovered classes, cools a little every move and is heated again
// at a quarter of its start. A warm walk finds these matrices best: from 1.0 down to 0.05 it
// needed some ten times the work (15 10 8 7 with cycles of 5, eight seeds).
constexpr AnnealingSchedule::Shape kSchedule{.hot = 2.0, .cold = 0.5, .cooling = 0.9999, .stepWork = 1};
constexpr std::uint64_t kMovesBetweenStopQuestions = 16;
// Sets looked at between two questions, whatever the moves: a few milliseconds; sorting a set
// into its class costs some ten times as much.
constexpr std::uint64_t kSetsBetweenStopQuestions = 1U << 18;
constexpr std::uint64_t kSortedBetweenStopQuestions = 1U << 14;
constexpr std::size_t kClassesBetweenStopQuestions = 1U << 16;

bool Before(NumberMask a, NumberMask b) { return a.high != b.high ? a.high < b.high : a.low < b.low; }

}  // namespace

std::vector<int> RotationSearch::CycleLengths(int numbers) {
    std::vector<int> lengths;
    for (int length = 2; length <= numbers; ++length) {
        if (numbers % length <= kMostFixedNumbers) {
            lengths.push_back(length);
        }
    }
    return lengths;
}

RotationSearch::RotationSearch(int numbers, int length, int drawn, int points, int cycleLength,
                               const std::function<bool()>& stop)
    : numbers_(numbers), length_(length), points_(points), cycleLength_(cycleLength) {
    const std::uint64_t sets = Binomial(numbers, drawn);
    if (sets > kMostSets) {
        throw std::length_error("C(" + std::to_string(numbers) + "," + std::to_string(drawn) +
                                ") is too many sets for a search by rotations");
    }
    const int cycled = numbers / cycleLength * cycleLength;
    next_.resize(static_cast<std::size_t>(numbers) + 1);
    for (int number = 1; number <= numbers; ++number) {
        const bool lastOfCycle = number % cycleLength == 0;
        next_[static_cast<std::size_t>(number)] =
            number > cycled ? number : (lastOfCycle ? number - cycleLength + 1 : number + 1);
    }
    std::array<int, kHighestNumber> pool{};
    const int size = ToPool(NumberMask::FirstNumbers(numbers), pool);
    std::uint64_t sinceQuestion = 0;
    const bool sorted = ForEachChoice(pool.data(), size, drawn, [&](NumberMask set) {
        if (++sinceQuestion == kSortedBetweenStopQuestions) {
            sinceQuestion = 0;
            if (stop && stop()) {
                return false;
            }
        }
        if (IsFirstOfClass(set)) {
            for (int steps = 0; steps < cycleLength_; ++steps) {
                rotations_.push_back(Rotated(set, steps));
            }
        }
        return true;
    });
    stopped_ = !sorted;
}

NumberMask RotationSearch::Rotated(NumberMask set, int steps) const {
    NumberMask rotated;
    for (int number : set) {
        for (int step = 0; step < steps; ++step) {
            number = next_[static_cast<std::size_t>(number)];
        }
        rotated.Set(number);
    }
    return rotated;
}

bool RotationSearch::IsFirstOfClass(NumberMask set) const {
    NumberMask rotated = set;
    for (int steps = 1; steps < cycleLength_; ++steps) {
        rotated = Rotated(rotated, 1);
        if (Before(rotated, set)) {
            return false;
        }
    }
    return true;
}

std::vector<NumberMask> RotationSearch::LinesOf(const std::vector<NumberMask>& baseLines) const {
    std::vector<NumberMask> lines;
    for (const NumberMask& base : baseLines) {
        NumberMask line = base;
        for (int steps = 0; steps < cycleLength_; ++steps, line = Rotated(line, 1)) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end()) {
                lines.push_back(line);
            }
        }
    }
    return lines;
}

NumberMask RotationSearch::UncoveredRotation(const std::vector<std::uint32_t>& covers, SeededRandom& random) const {
    std::size_t rotationClass = random.Below(covers.size());
    while (covers[rotationClass] != 0) {
        rotationClass = (rotationClass + 1) % covers.size();
    }
    const auto steps = random.Below(static_cast<std::size_t>(cycleLength_));
    return rotations_[rotationClass * static_cast<std::size_t>(cycleLength_) + steps];
}

RotationSearch::Result RotationSearch::Search(std::size_t baseLines, std::uint64_t work, SeededRandom& random,
                                              const std::function<bool()>& stop) {
    const std::size_t sets = rotations_.size();
    if (!Fits(baseLines)) {
        throw std::length_error("too many base lines for a search by rotations");
    }
    const auto cycle = static_cast<std::size_t>(cycleLength_);
    std::vector<NumberMask> bases;
    // How many numbers each base line shares with each rotation, line after line: a swap changes
    // them by one at most, so a move needs no counting of bits.
    std::vector<std::uint8_t> meets(baseLines * sets);
    std::vector<std::uint32_t> covers(sets / cycle, 0);
    Result result;
    if (stopped_) {
        return result;
    }
    for (std::size_t i = 0; i < baseLines; ++i) {
        if (sets >= kSetsBetweenStopQuestions && stop()) {
            return result;
        }
        bases.push_back(random.Completed({}, NumberMask::FirstNumbers(numbers_), length_));
        for (std::size_t j = 0; j < sets; ++j) {
            meets[i * sets + j] = static_cast<std::uint8_t>(CommonCount(bases[i], rotations_[j]));
            covers[j / cycle] += meets[i * sets + j] >= points_ ? 1 : 0;
        }
    }
    std::size_t uncovered = static_cast<std::size_t>(std::count(covers.begin(), covers.end(), 0U));
    std::vector<NumberMask> best = bases;
    std::size_t bestUncovered = uncovered;
    std::vector<std::int8_t> change(sets);
    AnnealingSchedule schedule(kSchedule);
    std::uint64_t askedAt = 0;
    for (std::uint64_t move = 0; uncovered > 0 && result.work < work; ++move) {
        if (move % kMovesBetweenStopQuestions == 0 || result.work - askedAt >= kSetsBetweenStopQuestions) {
            askedAt = result.work;
            if (stop()) {
                break;
            }
        }
        const NumberMask set = UncoveredRotation(covers, random);
        const std::size_t chosen = NearestLine(bases, set, random);
        const NumberMask line = bases[chosen];
        const NumberMask out = NumberMask::Of(random.NumberOf(Without(line, set)));
        const NumberMask in = NumberMask::Of(random.NumberOf(Without(set, line)));
        std::uint8_t* meet = &meets[chosen * sets];
        std::int64_t uncovering = 0;
        bool stopped = false;
        for (std::size_t c = 0; c < covers.size() && !stopped; ++c) {
            // A move over the largest tables takes some ten milliseconds.
            stopped = (c + 1) % kClassesBetweenStopQuestions == 0 && stop();
            int coverChange = 0;
            for (std::size_t j = c * cycle; j < (c + 1) * cycle; ++j) {
                const int step = ((rotations_[j] & in).Empty() ? 0 : 1) - ((rotations_[j] & out).Empty() ? 0 : 1);
                change[j] = static_cast<std::int8_t>(step);
                coverChange += (meet[j] + step >= points_ ? 1 : 0) - (meet[j] >= points_ ? 1 : 0);
            }
            const auto after = static_cast<std::int64_t>(covers[c]) + coverChange;
            uncovering += (after == 0 ? 1 : 0) - (covers[c] == 0 ? 1 : 0);
        }
        if (stopped) {
            break;
        }
        result.work += sets;
        if (schedule.Takes(uncovering, random.Unit())) {
            for (std::size_t j = 0; j < sets; ++j) {
                const int before = meet[j] >= points_ ? 1 : 0;
                meet[j] = static_cast<std::uint8_t>(meet[j] + change[j]);
                covers[j / cycle] = static_cast<std::uint32_t>(static_cast<int>(covers[j / cycle]) +
                                                               (meet[j] >= points_ ? 1 : 0) - before);
            }
            bases[chosen] = Without(line, out) | in;
            uncovered = static_cast<std::size_t>(static_cast<std::int64_t>(uncovered) + uncovering);
            if (uncovered < bestUncovered) {
                bestUncovered = uncovered;
                best = bases;
            }
        }
        schedule.Spend(1);
    }
    result.lines = LinesOf(best);
    result.complete = bestUncovered == 0;
    return result;
}

}  // namespace ordavex
