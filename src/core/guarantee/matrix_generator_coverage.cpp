#include "guarantee/matrix_generator_coverage.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "guarantee/number_choices.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

std::uint64_t MatrixGeneratorCoverage::SetCount(int numbers, int drawn) {
    if (drawn < 0 || drawn > numbers) {
        return 0;
    }
    std::uint64_t count = 1;
    for (int i = 1; i <= drawn; ++i) {
        count = count * static_cast<std::uint64_t>(numbers - drawn + i) / static_cast<std::uint64_t>(i);
    }
    return count;
}

MatrixGeneratorCoverage::MatrixGeneratorCoverage(int numbers, int drawn, int points)
    : numbers_(numbers), drawn_(drawn), points_(points) {
    if (drawn < 1 || drawn > kNumbersPerDraw || drawn > numbers || numbers > kHighestNumber) {
        throw std::invalid_argument("the drawn numbers must be 1 to 20 and at most N");
    }
    const std::uint64_t sets = SetCount(numbers, drawn);
    if (sets > kMostSets) {
        throw std::length_error("C(" + std::to_string(numbers) + "," + std::to_string(drawn) +
                                ") = " + std::to_string(sets) + " sets of drawn numbers is more than the " +
                                std::to_string(kMostSets) + " the generator can hold");
    }
    for (std::size_t n = 0; n < binomial_.size(); ++n) {
        binomial_[n][0] = 1;
        for (std::size_t r = 1; r < binomial_[n].size(); ++r) {
            binomial_[n][r] = n == 0 ? 0 : binomial_[n - 1][r - 1] + binomial_[n - 1][r];
        }
    }
    covers_.assign(sets, 0);
    coverIds_.assign(sets, 0);
    weights_.assign(sets, 1);
    uncovered_.resize(sets);
    std::iota(uncovered_.begin(), uncovered_.end(), 0U);
    position_ = uncovered_;
}

std::uint32_t MatrixGeneratorCoverage::Rank(NumberMask set) const {
    std::uint64_t rank = 0;
    std::size_t place = 1;
    for (; !set.Empty(); set.RemoveLowest()) {
        rank += binomial_[static_cast<std::size_t>(set.Lowest() - 1)][place++];
    }
    return static_cast<std::uint32_t>(rank);
}

// The ranks of base + {first} and base + {second} in one pass over base: a number of base moves
// one place up in the order for each added number below it.
std::pair<std::uint32_t, std::uint32_t> MatrixGeneratorCoverage::RankWithEither(NumberMask base, int first,
                                                                                int second) const {
    std::uint64_t withFirst = 0;
    std::uint64_t withSecond = 0;
    std::size_t place = 1;
    std::size_t belowFirst = 0;
    std::size_t belowSecond = 0;
    for (; !base.Empty(); base.RemoveLowest(), ++place) {
        const int number = base.Lowest();
        const auto& row = binomial_[static_cast<std::size_t>(number - 1)];
        const bool aboveFirst = number > first;
        const bool aboveSecond = number > second;
        withFirst += row[place + (aboveFirst ? 1 : 0)];
        withSecond += row[place + (aboveSecond ? 1 : 0)];
        belowFirst += aboveFirst ? 0 : 1;
        belowSecond += aboveSecond ? 0 : 1;
    }
    withFirst += binomial_[static_cast<std::size_t>(first - 1)][belowFirst + 1];
    withSecond += binomial_[static_cast<std::size_t>(second - 1)][belowSecond + 1];
    return {static_cast<std::uint32_t>(withFirst), static_cast<std::uint32_t>(withSecond)};
}

NumberMask MatrixGeneratorCoverage::Unrank(std::uint32_t rank) const {
    NumberMask set;
    std::uint64_t rest = rank;
    int element = numbers_ - 1;
    for (int place = drawn_; place >= 1; --place) {
        while (binomial_[static_cast<std::size_t>(element)][static_cast<std::size_t>(place)] > rest) {
            --element;
        }
        rest -= binomial_[static_cast<std::size_t>(element)][static_cast<std::size_t>(place)];
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
    const NumberMask line = lineById_[id];
    const NumberMask shared = set & line;
    if (id == changingId_ || shared.Count() != points_) {
        return;
    }
    const auto change = static_cast<std::uint32_t>(sign);
    std::uint32_t* counts = SoleCounts(id);
    for (NumberMask xs = shared; !xs.Empty(); xs.RemoveLowest()) {
        const auto x = static_cast<std::size_t>(xs.Lowest());
        counts[x] += change;
        std::uint32_t* row = counts + (x + 1) * soleStride_;
        for (NumberMask ys = Without(set, line); !ys.Empty(); ys.RemoveLowest()) {
            row[ys.Lowest()] += change;
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
    for (int common = points_; common <= std::min(line.Count(), drawn_); ++common) {
        ForEachMeeting(line, common, visit);
    }
}

template <class Visit>
void MatrixGeneratorCoverage::ForEachMeeting(NumberMask line, int common, Visit&& visit) const {
    std::array<int, kHighestNumber> inside{};
    std::array<int, kHighestNumber> outside{};
    const int insideSize = ToPool(line, inside);
    const int outsideSize = ToPool(Without(NumberMask::FirstNumbers(numbers_), line), outside);
    ForEachChoice(inside.data(), insideSize, common, [&](NumberMask shared) {
        ForEachChoice(outside.data(), outsideSize, drawn_ - common, [&](NumberMask others) {
            const NumberMask set = shared | others;
            visit(Rank(set), set);
        });
    });
}

// A line that gives up `out` for `in` stops covering exactly the sets that hold `out`, not `in`
// and t of its numbers, and starts covering the same sets with `in` in place of `out`: visit
// receives both ranks for each such pair, and the numbers the two sets share.
template <class Visit>
void MatrixGeneratorCoverage::ForEachSwapSet(NumberMask line, int out, int in, Visit&& visit) const {
    std::array<int, kHighestNumber> inside{};
    std::array<int, kHighestNumber> outside{};
    NumberMask rest = line;
    rest.Clear(out);
    NumberMask others = Without(NumberMask::FirstNumbers(numbers_), line);
    others.Clear(in);
    const int insideSize = ToPool(rest, inside);
    const int outsideSize = ToPool(others, outside);
    ForEachChoice(inside.data(), insideSize, points_ - 1, [&](NumberMask shared) {
        ForEachChoice(outside.data(), outsideSize, drawn_ - points_, [&](NumberMask free) {
            const NumberMask base = shared | free;
            const auto [lost, gained] = RankWithEither(base, out, in);
            visit(lost, gained, base);
        });
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
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained, NumberMask base) {
        Decrement(lost, base | NumberMask::Of(out), id);
        Increment(gained, base | NumberMask::Of(in), id);
        ++lastSwapWork_;
    });
    changingId_ = kNoId;
    line.Clear(out);
    line.Set(in);
    lineById_[id] = line;
    if (countsSoleCovers_) {
        CountSoleCoversOf(line, id);
        lastSwapWork_ += MeetingCount(line.Count(), points_);
    }
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

// The sets it loses are those only it covers, met in exactly t numbers, holding `out` and not
// `in`; the sets it gains are the uncovered ones holding `in`, not `out`, and t - 1 of its numbers.
std::int64_t MatrixGeneratorCoverage::QuickSwapChange(NumberMask line, std::uint32_t id, int out, int in) const {
    const std::uint32_t* counts = SoleCounts(id);
    const auto lost = static_cast<std::int64_t>(counts[out]) -
                      static_cast<std::int64_t>(
                          counts[(static_cast<std::size_t>(out) + 1) * soleStride_ + static_cast<std::size_t>(in)]);
    const NumberMask outside = Without(line, NumberMask::Of(out));
    std::int64_t gained = 0;
    for (const NumberMask set : uncoveredSets_) {
        gained += set.Has(in) && !set.Has(out) && CommonCount(set, outside) == points_ - 1 ? 1 : 0;
    }
    return lost - gained;
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
    return SetCount(length, common) * SetCount(numbers_ - length, drawn_ - common);
}

std::uint64_t MatrixGeneratorCoverage::SwapWork(int length) const {
    return SetCount(length - 1, points_ - 1) * SetCount(numbers_ - length - 1, drawn_ - points_);
}

}  // namespace ordavex
