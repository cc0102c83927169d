#include "guarantee/matrix_generator_coverage.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <type_traits>

#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// Calls visit with every `take`-number subset of pool[0..size) as a mask, until visit returns
// false; returns false when it stopped so.
template <class Visit>
bool ForEachChoice(const int* pool, int size, int take, Visit&& visit) {
    if (take < 0 || take > size) {
        return true;
    }
    std::array<int, kNumbersPerDraw + 1> index{};
    for (int i = 0; i < take; ++i) {
        index[static_cast<std::size_t>(i)] = i;
    }
    for (;;) {
        NumberMask chosen;
        for (int i = 0; i < take; ++i) {
            chosen.Set(pool[index[static_cast<std::size_t>(i)]]);
        }
        if constexpr (std::is_same_v<decltype(visit(chosen)), bool>) {
            if (!visit(chosen)) {
                return false;
            }
        } else {
            visit(chosen);
        }
        int i = take - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == size - take + i) {
            --i;
        }
        if (i < 0) {
            return true;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < take; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j) - 1] + 1;
        }
    }
}

// The numbers of a set, ascending, into pool; returns how many.
int ToPool(NumberMask set, std::array<int, kHighestNumber>& pool) {
    int size = 0;
    for (; !set.Empty(); set.RemoveLowest()) {
        pool[static_cast<std::size_t>(size++)] = set.Lowest();
    }
    return size;
}

}  // namespace

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

void MatrixGeneratorCoverage::Increment(std::uint32_t rank) {
    if (covers_[rank]++ == 0) {
        const std::uint32_t last = uncovered_.back();
        uncovered_[position_[rank]] = last;
        position_[last] = position_[rank];
        uncovered_.pop_back();
    }
}

void MatrixGeneratorCoverage::Decrement(std::uint32_t rank) {
    if (--covers_[rank] == 0) {
        position_[rank] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(rank);
    }
}

template <class Visit>
void MatrixGeneratorCoverage::ForEachCovered(NumberMask line, Visit&& visit) const {
    std::array<int, kHighestNumber> inside{};
    std::array<int, kHighestNumber> outside{};
    const int insideSize = ToPool(line, inside);
    const int outsideSize = ToPool(Without(NumberMask::FirstNumbers(numbers_), line), outside);
    for (int common = points_; common <= std::min(insideSize, drawn_); ++common) {
        ForEachChoice(inside.data(), insideSize, common, [&](NumberMask shared) {
            ForEachChoice(outside.data(), outsideSize, drawn_ - common,
                          [&](NumberMask others) { visit(Rank(shared | others)); });
        });
    }
}

// A line that gives up `out` for `in` stops covering exactly the sets that hold `out`, not `in`
// and t of its numbers, and starts covering the same sets with `in` in place of `out`: visit
// receives both ranks for each such pair.
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
        return ForEachChoice(outside.data(), outsideSize, drawn_ - points_, [&](NumberMask free) {
            const auto [lost, gained] = RankWithEither(shared | free, out, in);
            if constexpr (std::is_same_v<decltype(visit(lost, gained)), bool>) {
                return visit(lost, gained);
            } else {
                visit(lost, gained);
                return true;
            }
        });
    });
}

// The uncovered sets that hold `in`, not `out`, and t - 1 numbers of the line: those the swap
// covers.
std::uint64_t MatrixGeneratorCoverage::NewlyCoveredBySwap(NumberMask line, int out, int in) const {
    std::uint64_t count = 0;
    for (const std::uint32_t rank : uncovered_) {
        const NumberMask set = Unrank(rank);
        count += set.Has(in) && !set.Has(out) && CommonCount(set, line) == points_ - 1 ? 1 : 0;
    }
    return count;
}

void MatrixGeneratorCoverage::AddLine(NumberMask line) {
    ForEachCovered(line, [&](std::uint32_t rank) { Increment(rank); });
}

void MatrixGeneratorCoverage::RemoveLine(NumberMask line) {
    ForEachCovered(line, [&](std::uint32_t rank) { Decrement(rank); });
}

std::uint64_t MatrixGeneratorCoverage::NewlyCovered(NumberMask line) const {
    std::uint64_t count = 0;
    ForEachCovered(line, [&](std::uint32_t rank) { count += covers_[rank] == 0 ? 1 : 0; });
    return count;
}

std::uint64_t MatrixGeneratorCoverage::OnlyCoveredBy(NumberMask line) const {
    std::uint64_t count = 0;
    ForEachCovered(line, [&](std::uint32_t rank) { count += covers_[rank] == 1 ? 1 : 0; });
    return count;
}

std::int64_t MatrixGeneratorCoverage::SwapChange(NumberMask line, int out, int in) const {
    std::int64_t change = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        change += (covers_[lost] == 1 ? 1 : 0) - (covers_[gained] == 0 ? 1 : 0);
    });
    return change;
}

std::int64_t MatrixGeneratorCoverage::WeighSwap(NumberMask line, int out, int in) {
    weighed_.clear();
    std::int64_t change = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        weighed_.emplace_back(lost, gained);
        change += (covers_[lost] == 1 ? 1 : 0) - (covers_[gained] == 0 ? 1 : 0);
    });
    lastWeighWork_ = weighed_.size();
    return change;
}

double MatrixGeneratorCoverage::WeighSwapBelow(NumberMask line, int out, int in, double limit) {
    // Finding one uncovered set's numbers costs about as much as ranking a few sets.
    constexpr std::uint64_t kUnrankWork = 4;
    if (uncovered_.size() * kUnrankWork >= SwapWork(line.Count())) {
        return static_cast<double>(WeighSwap(line, out, in));
    }
    weighed_.clear();
    const auto gained = static_cast<double>(NewlyCoveredBySwap(line, out, in));
    double lost = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lostRank, std::uint32_t gainedRank) {
        weighed_.emplace_back(lostRank, gainedRank);
        lost += covers_[lostRank] == 1 ? 1 : 0;
        return lost - gained < limit;
    });
    lastWeighWork_ = weighed_.size() + uncovered_.size() * kUnrankWork;
    return lost - gained;
}

void MatrixGeneratorCoverage::ApplyWeighedSwap() {
    for (const auto& [lost, gained] : weighed_) {
        Decrement(lost);
        Increment(gained);
    }
}

std::int64_t MatrixGeneratorCoverage::WeightedSwapChange(NumberMask line, int out, int in) const {
    std::int64_t change = 0;
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
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
        count += SetCount(length, common) * SetCount(numbers_ - length, drawn_ - common);
    }
    return count;
}

std::uint64_t MatrixGeneratorCoverage::SwapWork(int length) const {
    return SetCount(length - 1, points_ - 1) * SetCount(numbers_ - length - 1, drawn_ - points_);
}

void MatrixGeneratorCoverage::SwapNumber(NumberMask line, int out, int in) {
    ForEachSwapSet(line, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        Decrement(lost);
        Increment(gained);
    });
}

}  // namespace ordavex
