#include "guarantee/matrix_generator_coverage.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "guarantee/binomial.h"
#include "guarantee/bit_count.h"
#include "guarantee/number_choices.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The uncovered sets that a line reaches in `points` numbers once `in` replaces `out`, of which
// `outside` are the line's other numbers.
template <typename Count>
ORDAVEX_COUNTING_INLINE std::int64_t GainedSetsCounting(const std::vector<NumberMask>& uncovered, NumberMask outside,
                                                        int in, int out, int points, Count count) {
    std::int64_t gained = 0;
    for (const NumberMask set : uncovered) {
        gained += set.Has(in) && !set.Has(out) && count(set & outside) == points - 1 ? 1 : 0;
    }
    return gained;
}

#if ORDAVEX_CHOOSES_BIT_COUNT
[[gnu::target("popcnt")]] std::int64_t GainedSetsByInstruction(const std::vector<NumberMask>& uncovered,
                                                               NumberMask outside, int in, int out, int points) {
    return GainedSetsCounting(uncovered, outside, in, out, points, InstructionCount{});
}
#endif

std::int64_t GainedSets(const std::vector<NumberMask>& uncovered, NumberMask outside, int in, int out, int points) {
#if ORDAVEX_CHOOSES_BIT_COUNT
    if (HasBitCountInstruction()) {
        return GainedSetsByInstruction(uncovered, outside, in, out, points);
    }
#endif
    return GainedSetsCounting(uncovered, outside, in, out, points, MaskCount{});
}

// Sets looked at between two readings of the clock: a millisecond or two on the largest tables,
// where a set costs several cache misses, some microseconds on small ones; the stop function is
// asked once kStopQuestionEvery has passed, as asking costs more than reading the clock.
constexpr std::uint32_t kSetsBetweenClockReads = 1U << 12;
constexpr std::chrono::milliseconds kStopQuestionEvery{5};
// Sets made ready between two questions while the table is filled.
constexpr std::uint64_t kFillPiece = 1U << 18;

}  // namespace

MatrixGeneratorCoverage::MatrixGeneratorCoverage(int numbers, int drawn, int points)
    : MatrixGeneratorCoverage(numbers, drawn, points, Unfilled{}) {
    Fill();
}

MatrixGeneratorCoverage::MatrixGeneratorCoverage(int numbers, int drawn, int points, Unfilled)
    : numbers_(numbers), drawn_(drawn), points_(points) {
    if (drawn < 1 || drawn > kNumbersPerDraw || drawn > numbers || numbers > kHighestNumber) {
        throw std::invalid_argument("the drawn numbers must be 1 to 20 and at most N");
    }
    sets_ = Binomial(numbers, drawn);
    if (sets_ > kMostSets) {
        throw std::length_error("C(" + std::to_string(numbers) + "," + std::to_string(drawn) +
                                ") = " + std::to_string(sets_) + " sets of drawn numbers is more than the " +
                                std::to_string(kMostSets) + " the generator can hold");
    }
    covers_.reserve(sets_);
    coverIds_.reserve(sets_);
    weights_.reserve(sets_);
    uncovered_.reserve(sets_);
    position_.reserve(sets_);
}

bool MatrixGeneratorCoverage::Fill() {
    while (covers_.size() < sets_) {
        const std::size_t size = covers_.size() + std::min<std::uint64_t>(kFillPiece, sets_ - covers_.size());
        covers_.resize(size, 0);
        coverIds_.resize(size, 0);
        weights_.resize(size, 1);
        for (auto rank = static_cast<std::uint32_t>(uncovered_.size()); rank < size; ++rank) {
            uncovered_.push_back(rank);
            position_.push_back(rank);
        }
        if (stop_ && stop_()) {
            broken_ = true;
            return false;
        }
    }
    return true;
}

void MatrixGeneratorCoverage::Reset() {
    StopCountingSoleCovers();
    covers_.clear();
    coverIds_.clear();
    weights_.clear();
    uncovered_.clear();
    position_.clear();
    lineById_.clear();
    changingId_ = kNoId;
    broken_ = false;
    setsSinceClockRead_ = 0;
    const std::function<bool()> stop = std::exchange(stop_, {});
    Fill();
    stop_ = stop;
}

bool MatrixGeneratorCoverage::KeepsGoing() const {
    if (++setsSinceClockRead_ < kSetsBetweenClockReads || broken_) {
        return !broken_;
    }
    setsSinceClockRead_ = 0;
    const auto now = std::chrono::steady_clock::now();
    if (now >= nextStopQuestion_) {
        nextStopQuestion_ = now + kStopQuestionEvery;
        broken_ = stop_ && stop_();
    }
    return !broken_;
}

std::uint32_t MatrixGeneratorCoverage::Rank(NumberMask set) const { return static_cast<std::uint32_t>(ColexRank(set)); }

// The ranks of base + {first} and base + {second} in one pass over base: a number of base moves
// one place up in the order for each added number below it.
std::pair<std::uint32_t, std::uint32_t> MatrixGeneratorCoverage::RankWithEither(NumberMask base, int first,
                                                                                int second) const {
    std::uint64_t withFirst = 0;
    std::uint64_t withSecond = 0;
    std::size_t place = 0;
    std::size_t belowFirst = 0;
    std::size_t belowSecond = 0;
    for (const int number : base) {
        ++place;
        const auto& row = kBinomials[static_cast<std::size_t>(number - 1)];
        const bool aboveFirst = number > first;
        const bool aboveSecond = number > second;
        withFirst += row[place + (aboveFirst ? 1 : 0)];
        withSecond += row[place + (aboveSecond ? 1 : 0)];
        belowFirst += aboveFirst ? 0 : 1;
        belowSecond += aboveSecond ? 0 : 1;
    }
    withFirst += kBinomials[static_cast<std::size_t>(first - 1)][belowFirst + 1];
    withSecond += kBinomials[static_cast<std::size_t>(second - 1)][belowSecond + 1];
    return {static_cast<std::uint32_t>(withFirst), static_cast<std::uint32_t>(withSecond)};
}

NumberMask MatrixGeneratorCoverage::Unrank(std::uint32_t rank) const {
    NumberMask set;
    std::uint64_t rest = rank;
    int element = numbers_ - 1;
    for (int place = drawn_; place >= 1; --place) {
        while (kBinomials[static_cast<std::size_t>(element)][static_cast<std::size_t>(place)] > rest) {
            --element;
        }
        rest -= kBinomials[static_cast<std::size_t>(element)][static_cast<std::size_t>(place)];
        set.Set(element + 1);
        --element;
    }
    return set;
}

void MatrixGeneratorCoverage::Increment(std::uint32_t rank, NumberMask set, std::uint32_t id) {
    const std::uint16_t before = covers_[rank]++;
    if (before == 0) {
        const std::uint32_t place = position_[rank];
        const std::uint32_t last = uncovered_.back();
        uncovered_[place] = last;
        position_[last] = place;
        uncovered_.pop_back();
        if (countsSoleCovers_) {
            uncoveredSets_[place] = uncoveredSets_.back();
            uncoveredSets_.pop_back();
            CountSole(id, set, 1);
        }
    } else if (before == 1 && countsSoleCovers_) {
        CountSole(coverIds_[rank], set, -1);
    }
    coverIds_[rank] += id;
}

void MatrixGeneratorCoverage::Decrement(std::uint32_t rank, NumberMask set, std::uint32_t id) {
    coverIds_[rank] -= id;
    const std::uint16_t after = --covers_[rank];
    if (after == 0) {
        position_[rank] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(rank);
        if (countsSoleCovers_) {
            uncoveredSets_.push_back(set);
            CountSole(id, set, -1);
        }
    } else if (after == 1 && countsSoleCovers_) {
        CountSole(coverIds_[rank], set, 1);
    }
}

// Only sets met in exactly t numbers can be lost by one swap, so only they are counted.
void MatrixGeneratorCoverage::CountSole(std::uint32_t id, NumberMask set, int sign) {
    if (id != changingId_) {
        CountSoleAgainst(id, lineById_[id], set, sign);
    }
}

void MatrixGeneratorCoverage::CountSoleAgainst(std::uint32_t id, NumberMask line, NumberMask set, int sign) {
    const NumberMask shared = set & line;
    if (shared.Count() != points_) {
        return;
    }
    const auto change = static_cast<std::uint32_t>(sign);
    std::uint32_t* counts = SoleCounts(id);
    const NumberMask others = Without(set, line);
    for (const int number : shared) {
        const auto x = static_cast<std::size_t>(number);
        counts[x] += change;
        std::uint32_t* row = counts + (x + 1) * soleStride_;
        for (const int y : others) {
            row[y] += change;
        }
    }
}

std::uint32_t* MatrixGeneratorCoverage::SoleCounts(std::uint32_t id) {
    return soleCounts_.data() + static_cast<std::size_t>(id) * soleStride_ * (soleStride_ + 1);
}

const std::uint32_t* MatrixGeneratorCoverage::SoleCounts(std::uint32_t id) const {
    return soleCounts_.data() + static_cast<std::size_t>(id) * soleStride_ * (soleStride_ + 1);
}

void MatrixGeneratorCoverage::ClearSoleCounts(std::uint32_t id) {
    std::fill_n(SoleCounts(id), soleStride_ * (soleStride_ + 1), 0U);
}

void MatrixGeneratorCoverage::CountSoleCoversOf(NumberMask line, std::uint32_t id) {
    ClearSoleCounts(id);
    ForEachMeeting(line, points_, [&](std::uint32_t rank, NumberMask set) {
        if (covers_[rank] == 1) {
            CountSole(id, set, 1);
        }
    });
}

void MatrixGeneratorCoverage::KeepId(std::uint32_t id) {
    if (id >= lineById_.size()) {
        lineById_.resize(id + 1);
        if (countsSoleCovers_) {
            soleCounts_.resize(lineById_.size() * soleStride_ * (soleStride_ + 1));
        }
    }
}

template <class Visit>
void MatrixGeneratorCoverage::ForEachCovered(NumberMask line, Visit&& visit) const {
    for (int common = points_; common <= std::min(line.Count(), drawn_) && !broken_; ++common) {
        ForEachMeeting(line, common, visit);
    }
}

template <class Visit>
void MatrixGeneratorCoverage::ForEachUnion(NumberMask inside, int insideTake, NumberMask outside, int outsideTake,
                                           Visit&& visit) const {
    if (broken_) {
        return;
    }
    std::array<int, kHighestNumber> insidePool{};
    std::array<int, kHighestNumber> outsidePool{};
    const int insideSize = ToPool(inside, insidePool);
    const int outsideSize = ToPool(outside, outsidePool);
    ForEachChoice(insidePool.data(), insideSize, insideTake, [&](NumberMask fromInside) {
        return ForEachChoice(outsidePool.data(), outsideSize, outsideTake, [&](NumberMask fromOutside) {
            visit(fromInside | fromOutside);
            return KeepsGoing();
        });
    });
}

template <class Visit>
void MatrixGeneratorCoverage::ForEachMeeting(NumberMask line, int common, Visit&& visit) const {
    ForEachUnion(line, common, Without(NumberMask::FirstNumbers(numbers_), line), drawn_ - common,
                 [&](NumberMask set) { visit(Rank(set), set); });
}

// A line that gives up `out` for `in` stops covering exactly the sets that hold `out`, not `in`
// and t of its numbers, and starts covering the same sets with `in` in place of `out`: visit
// receives both ranks for each such pair, and the numbers the two sets share.
template <class Visit>
void MatrixGeneratorCoverage::ForEachSwapSet(NumberMask line, int out, int in, Visit&& visit) const {
    ForEachAroundSwap(line, out, in, points_ - 1, visit);
}

// The sets made of `fromLine` of the line's numbers other than `out` and p - 1 - fromLine numbers
// outside it other than `in`, each taken once with `out` and once with `in`.
template <class Visit>
void MatrixGeneratorCoverage::ForEachAroundSwap(NumberMask line, int out, int in, int fromLine, Visit&& visit) const {
    NumberMask others = Without(NumberMask::FirstNumbers(numbers_), line);
    others.Clear(in);
    ForEachUnion(Without(line, NumberMask::Of(out)), fromLine, others, drawn_ - 1 - fromLine, [&](NumberMask base) {
        const auto [withOut, withIn] = RankWithEither(base, out, in);
        visit(withOut, withIn, base);
    });
}

void MatrixGeneratorCoverage::AddLine(NumberMask line, std::uint32_t id) {
    KeepId(id);
    lineById_[id] = line;
    ForEachCovered(line, [&](std::uint32_t rank, NumberMask set) { Increment(rank, set, id); });
}

void MatrixGeneratorCoverage::RemoveLine(NumberMask line, std::uint32_t id) {
    changingId_ = id;
    ForEachCovered(line, [&](std::uint32_t rank, NumberMask set) { Decrement(rank, set, id); });
    changingId_ = kNoId;
    lineById_[id] = NumberMask();
    if (countsSoleCovers_) {
        ClearSoleCounts(id);
    }
}

void MatrixGeneratorCoverage::RenumberLine(NumberMask line, std::uint32_t from, std::uint32_t to) {
    KeepId(to);
    ForEachCovered(line, [&](std::uint32_t rank, NumberMask) { coverIds_[rank] += to - from; });
    lineById_[to] = line;
    lineById_[from] = NumberMask();
    if (countsSoleCovers_) {
        std::copy_n(SoleCounts(from), soleStride_ * (soleStride_ + 1), SoleCounts(to));
        ClearSoleCounts(from);
    }
}

void MatrixGeneratorCoverage::SwapNumber(NumberMask line, std::uint32_t id, int out, int in) {
    changingId_ = id;
    lastSwapWork_ = 0;
    NumberMask swapped = line;
    swapped.Clear(out);
    swapped.Set(in);
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained, NumberMask base) {
        const NumberMask lostSet = base | NumberMask::Of(out);
        const NumberMask gainedSet = base | NumberMask::Of(in);
        if (countsSoleCovers_ && covers_[lost] == 1) {
            CountSoleAgainst(id, line, lostSet, -1);
        }
        Decrement(lost, lostSet, id);
        Increment(gained, gainedSet, id);
        if (countsSoleCovers_ && covers_[gained] == 1) {
            CountSoleAgainst(id, swapped, gainedSet, 1);
        }
        ++lastSwapWork_;
    });
    changingId_ = kNoId;
    lineById_[id] = swapped;
    if (countsSoleCovers_) {
        MendSoleCountsAfterSwap(line, swapped, id, out, in);
        // Counted as the full count of the line's sole covers it replaces, so that the search's
        // schedule, which spends this work, moves as it always has, only sooner.
        lastSwapWork_ += MeetingCount(line.Count(), points_);
    }
}

// Beside the sets the swap moves, only sets that the line covers before and after it can enter
// or leave its sole covers met in exactly t numbers, or change the numbers they are counted by:
// those holding `out` and t other numbers of the line (met in t + 1 numbers before, t after),
// those holding `in` and t of its numbers (t before, t + 1 after), and those holding both with
// t - 1 of its other numbers (t before and after, but through `in` instead of `out`).
void MatrixGeneratorCoverage::MendSoleCountsAfterSwap(NumberMask line, NumberMask swapped, std::uint32_t id, int out,
                                                      int in) {
    ForEachAroundSwap(line, out, in, points_, [&](std::uint32_t withOut, std::uint32_t withIn, NumberMask base) {
        if (covers_[withOut] == 1) {
            CountSoleAgainst(id, swapped, base | NumberMask::Of(out), 1);
        }
        if (covers_[withIn] == 1) {
            CountSoleAgainst(id, line, base | NumberMask::Of(in), -1);
        }
    });
    NumberMask others = Without(NumberMask::FirstNumbers(numbers_), swapped);
    others.Clear(out);
    ForEachUnion(Without(line, NumberMask::Of(out)), points_ - 1, others, drawn_ - 1 - points_, [&](NumberMask base) {
        const NumberMask set = base | NumberMask::Of(out) | NumberMask::Of(in);
        if (covers_[Rank(set)] == 1) {
            CountSoleAgainst(id, line, set, -1);
            CountSoleAgainst(id, swapped, set, 1);
        }
    });
}

std::uint64_t MatrixGeneratorCoverage::NewlyCovered(NumberMask line) const {
    std::uint64_t count = 0;
    ForEachCovered(line, [&](std::uint32_t rank, NumberMask) { count += covers_[rank] == 0 ? 1 : 0; });
    return count;
}

std::int64_t MatrixGeneratorCoverage::SwapChange(NumberMask line, int out, int in) const {
    std::int64_t change = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained, NumberMask) {
        change += (covers_[lost] == 1 ? 1 : 0) - (covers_[gained] == 0 ? 1 : 0);
    });
    return change;
}

void MatrixGeneratorCoverage::CountSoleCovers() {
    if (countsSoleCovers_) {
        return;
    }
    countsSoleCovers_ = true;
    soleStride_ = static_cast<std::size_t>(numbers_) + 1;
    soleCounts_.assign(lineById_.size() * soleStride_ * (soleStride_ + 1), 0U);
    uncoveredSets_.clear();
    for (const std::uint32_t rank : uncovered_) {
        uncoveredSets_.push_back(Unrank(rank));
        if (!KeepsGoing()) {
            return;
        }
    }
    for (std::size_t id = 0; id < lineById_.size(); ++id) {
        if (!lineById_[id].Empty()) {
            CountSoleCoversOf(lineById_[id], static_cast<std::uint32_t>(id));
        }
    }
}

void MatrixGeneratorCoverage::StopCountingSoleCovers() {
    countsSoleCovers_ = false;
    std::vector<NumberMask>().swap(uncoveredSets_);
    std::vector<std::uint32_t>().swap(soleCounts_);
}

// The sets the line loses are those only it covers, met in exactly t numbers, holding `out` and
// not `in`.
std::uint64_t MatrixGeneratorCoverage::SwapLoss(std::uint32_t id, int out, int in) const {
    const std::uint32_t* counts = SoleCounts(id);
    return counts[out] - counts[(static_cast<std::size_t>(out) + 1) * soleStride_ + static_cast<std::size_t>(in)];
}

// The sets it gains are the uncovered ones holding `in`, not `out`, and t - 1 of its numbers.
std::int64_t MatrixGeneratorCoverage::QuickSwapChange(NumberMask line, std::uint32_t id, int out, int in) const {
    const auto lost = static_cast<std::int64_t>(SwapLoss(id, out, in));
    return lost - GainedSets(uncoveredSets_, Without(line, NumberMask::Of(out)), in, out, points_);
}

// Each such set is counted once for each of the t numbers it shares with the line.
std::uint64_t MatrixGeneratorCoverage::SoleCoverCount(std::uint32_t id) const {
    const std::uint32_t* counts = SoleCounts(id);
    return std::accumulate(counts, counts + soleStride_, std::uint64_t{0}) / static_cast<std::uint64_t>(points_);
}

std::int64_t MatrixGeneratorCoverage::WeightedSwapChange(NumberMask line, int out, int in) const {
    std::int64_t change = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained, NumberMask) {
        change += static_cast<std::int64_t>(covers_[lost] == 1 ? weights_[lost] : 0) -
                  static_cast<std::int64_t>(covers_[gained] == 0 ? weights_[gained] : 0);
    });
    return change;
}

void MatrixGeneratorCoverage::RaiseUncoveredWeights() {
    for (const std::uint32_t rank : uncovered_) {
        ++weights_[rank];
        if (!KeepsGoing()) {
            return;
        }
    }
}

void MatrixGeneratorCoverage::ResetWeights() { std::fill(weights_.begin(), weights_.end(), 1U); }

std::uint64_t MatrixGeneratorCoverage::CoveredCount(int length) const {
    std::uint64_t count = 0;
    for (int common = points_; common <= std::min(length, drawn_); ++common) {
        count += MeetingCount(length, common);
    }
    return count;
}

std::uint64_t MatrixGeneratorCoverage::MeetingCount(int length, int common) const {
    return Binomial(length, common) * Binomial(numbers_ - length, drawn_ - common);
}

std::uint64_t MatrixGeneratorCoverage::SwapWork(int length) const {
    return Binomial(length - 1, points_ - 1) * Binomial(numbers_ - length - 1, drawn_ - points_);
}

}  // namespace ordavex
