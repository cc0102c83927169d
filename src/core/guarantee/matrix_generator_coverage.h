#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// For a search of matrices with the guarantee (t points if p drawn) over 1..N: how many lines
// cover each set of p numbers (meet it in t or more), and which sets no line covers yet.
// Sets are held by their colex rank, so the table needs C(N, p) entries.
class MatrixGeneratorCoverage {
public:
    // The largest table the generator builds: about 14 bytes per set, some 450 MB for each search
    // at the most, enough for every set of 10 numbers out of 30.
    static constexpr std::uint64_t kMostSets = 32'000'000;

    static std::uint64_t SetCount(int numbers, int drawn);

    // Throws std::length_error when C(N, p) is above kMostSets.
    MatrixGeneratorCoverage(int numbers, int drawn, int points);

    std::size_t UncoveredCount() const { return uncovered_.size(); }
    NumberMask UncoveredAt(std::size_t index) const { return Unrank(uncovered_[index]); }

    void AddLine(NumberMask line);
    void RemoveLine(NumberMask line);
    // Sets that the line would cover and no line covers now.
    std::uint64_t NewlyCovered(NumberMask line) const;
    // Sets that only this line (which must be in the table) covers.
    std::uint64_t OnlyCoveredBy(NumberMask line) const;
    // Change in the count of uncovered sets if the line (in the table) gave up `out` for `in`.
    std::int64_t SwapChange(NumberMask line, int out, int in) const;
    // The same change, keeping the sets it looks at so that ApplyWeighedSwap can make the swap
    // without finding them again.
    std::int64_t WeighSwap(NumberMask line, int out, int in);
    // The same as WeighSwap when the change is below `limit`; otherwise it may stop looking once
    // the change is known to reach the limit, and returns a change of at least `limit`. When few
    // sets are uncovered, the ones the swap would cover are counted from them first, so that most
    // swaps that uncover far more than they cover are turned down after a small part of the work.
    double WeighSwapBelow(NumberMask line, int out, int in, double limit);
    // Makes the swap last weighed by WeighSwap or WeighSwapBelow (which must have returned a
    // change below its limit); the table must not have changed since.
    void ApplyWeighedSwap();
    // Sets looked at by the last WeighSwap or WeighSwapBelow.
    std::uint64_t LastWeighWork() const { return lastWeighWork_; }
    // The same change with every set counted by its weight.
    std::int64_t WeightedSwapChange(NumberMask line, int out, int in) const;
    // Makes every set that is uncovered now weigh one more, so that sets that stay uncovered
    // for long pull the search towards them.
    void RaiseUncoveredWeights();
    void ResetWeights();
    void SwapNumber(NumberMask line, int out, int in);
    // Sets that one line of `length` numbers covers.
    std::uint64_t CoveredCount(int length) const;
    // Sets that one SwapChange on a line of `length` numbers looks at: a measure of its cost.
    std::uint64_t SwapWork(int length) const;

private:
    template <class Visit>
    void ForEachCovered(NumberMask line, Visit&& visit) const;
    // Stops when visit returns false.
    template <class Visit>
    void ForEachSwapSet(NumberMask line, int out, int in, Visit&& visit) const;
    std::uint64_t NewlyCoveredBySwap(NumberMask line, int out, int in) const;

    std::uint32_t Rank(NumberMask set) const;
    std::pair<std::uint32_t, std::uint32_t> RankWithEither(NumberMask base, int first, int second) const;
    NumberMask Unrank(std::uint32_t rank) const;
    void Increment(std::uint32_t rank);
    void Decrement(std::uint32_t rank);

    int numbers_;
    int drawn_;
    int points_;
    std::array<std::array<std::uint64_t, 21>, 91> binomial_{};
    std::vector<std::uint16_t> covers_;
    std::vector<std::uint32_t> weights_;
    // Where each uncovered set stands in uncovered_ (meaningless for covered sets).
    std::vector<std::uint32_t> position_;
    std::vector<std::uint32_t> uncovered_;
    // The sets the swap last weighed uncovers and covers, in pairs.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> weighed_;
    std::uint64_t lastWeighWork_ = 0;
};

}  // namespace ordavex
