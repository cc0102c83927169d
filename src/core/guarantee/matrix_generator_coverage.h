#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// For a search of matrices with the guarantee (t points if p drawn) over 1..N: how many lines
// cover each set of p numbers (meet it in t or more), and which sets no line covers yet.
// Sets are held by their colex rank, so the table needs C(N, p) entries.
class MatrixGeneratorCoverage {
public:
    // The largest table the generator builds: about 18 bytes per set, some 580 MB for each search
    // at the most, enough for every set of 10 numbers out of 30.
    static constexpr std::uint64_t kMostSets = 32'000'000;

    // Throws std::length_error when C(N, p) is above kMostSets.
    MatrixGeneratorCoverage(int numbers, int drawn, int points);
    // Only makes room for the table, so that one too large fails here; Fill makes it ready. The
    // largest tables take a good part of a second to fill.
    struct Unfilled {};
    MatrixGeneratorCoverage(int numbers, int drawn, int points, Unfilled);

    // Asked every few milliseconds by every walk over the sets, and by Fill: once it says stop,
    // the walk ends where it is, and the table is broken.
    void SetStop(std::function<bool()> stop) { stop_ = std::move(stop); }
    // A broken table holds no matrix any more: every change and count leaves it as it is, until
    // Reset. On the largest tables one change takes a quarter of a second, too long to wait for
    // when a stop is asked.
    bool Broken() const { return broken_; }
    // Fills a table made Unfilled, every set uncovered; false when stopped.
    bool Fill();
    // Empty again, every set uncovered, weights and sole counts forgotten, not broken.
    void Reset();

    std::size_t UncoveredCount() const { return uncovered_.size(); }
    NumberMask UncoveredAt(std::size_t index) const { return Unrank(uncovered_[index]); }

    // Each line of the matrix has an id, its place in the matrix, which must be unique among the
    // lines in the table: for a set that only one line covers, the table knows which.
    void AddLine(NumberMask line, std::uint32_t id);
    void RemoveLine(NumberMask line, std::uint32_t id);
    // The line (in the table) takes another id, unused so far.
    void RenumberLine(NumberMask line, std::uint32_t from, std::uint32_t to);
    void SwapNumber(NumberMask line, std::uint32_t id, int out, int in);
    // Sets that the line would cover and no line covers now.
    std::uint64_t NewlyCovered(NumberMask line) const;
    // Change in the count of uncovered sets if the line (in the table) gave up `out` for `in`.
    std::int64_t SwapChange(NumberMask line, int out, int in) const;
    // From now on the table also counts, for each line, the sets only it covers, by the numbers
    // they hold, and keeps the uncovered sets' numbers: QuickSwapChange can then weigh a swap by
    // looking at the uncovered sets only, where SwapChange looks at every set the swap moves.
    // Costs about one AddLine per line now, and some more work on every change after.
    void CountSoleCovers();
    // Forgets those counts until CountSoleCovers is called again.
    void StopCountingSoleCovers();
    // SwapChange of the line with this id, once CountSoleCovers has been called.
    std::int64_t QuickSwapChange(NumberMask line, std::uint32_t id, int out, int in) const;
    // The sets that swap would uncover, read from those counts alone: cheap enough to weigh every
    // number a line could give up.
    std::uint64_t SwapLoss(std::uint32_t id, int out, int in) const;
    // Sets that only the line with this id covers and meets in exactly t numbers, once
    // CountSoleCovers has been called: those that one of its swaps could uncover.
    std::uint64_t SoleCoverCount(std::uint32_t id) const;
    // Sets looked at by the last SwapNumber.
    std::uint64_t LastSwapWork() const { return lastSwapWork_; }
    // SwapChange with every set counted by its weight.
    std::int64_t WeightedSwapChange(NumberMask line, int out, int in) const;
    // Makes every set that is uncovered now weigh one more, so that sets that stay uncovered
    // for long pull the search towards them.
    void RaiseUncoveredWeights();
    void ResetWeights();
    // Sets that one line of `length` numbers covers.
    std::uint64_t CoveredCount(int length) const;
    // Sets that one SwapChange on a line of `length` numbers looks at: a measure of its cost.
    std::uint64_t SwapWork(int length) const;

private:
    // Counts one set looked at; false once the table is broken.
    bool KeepsGoing() const;
    template <class Visit>
    void ForEachCovered(NumberMask line, Visit&& visit) const;
    // The sets that meet the line in exactly `common` numbers.
    template <class Visit>
    void ForEachMeeting(NumberMask line, int common, Visit&& visit) const;
    // Sets that a line of `length` numbers meets in exactly `common` numbers.
    std::uint64_t MeetingCount(int length, int common) const;
    template <class Visit>
    void ForEachSwapSet(NumberMask line, int out, int in, Visit&& visit) const;
    template <class Visit>
    void ForEachAroundSwap(NumberMask line, int out, int in, int fromLine, Visit&& visit) const;
    // Every union of `insideTake` numbers of `inside` and `outsideTake` of `outside`.
    template <class Visit>
    void ForEachUnion(NumberMask inside, int insideTake, NumberMask outside, int outsideTake, Visit&& visit) const;

    std::uint32_t Rank(NumberMask set) const;
    std::pair<std::uint32_t, std::uint32_t> RankWithEither(NumberMask base, int first, int second) const;
    NumberMask Unrank(std::uint32_t rank) const;
    void Increment(std::uint32_t rank, NumberMask set, std::uint32_t id);
    void Decrement(std::uint32_t rank, NumberMask set, std::uint32_t id);
    // Counts (sign 1) or stops counting (-1) the set among those only line `id` covers.
    void CountSole(std::uint32_t id, NumberMask set, int sign);
    // The same for the line given, which need not be the one the table holds now.
    void CountSoleAgainst(std::uint32_t id, NumberMask line, NumberMask set, int sign);
    // Brings the sole counts of the line with this id up to date once it has swapped `out` for
    // `in` and become `swapped`, after the sets the swap moved have been counted.
    void MendSoleCountsAfterSwap(NumberMask line, NumberMask swapped, std::uint32_t id, int out, int in);
    void ClearSoleCounts(std::uint32_t id);
    void CountSoleCoversOf(NumberMask line, std::uint32_t id);
    // Makes room for a line of this id.
    void KeepId(std::uint32_t id);
    std::uint32_t* SoleCounts(std::uint32_t id);
    const std::uint32_t* SoleCounts(std::uint32_t id) const;

    int numbers_;
    int drawn_;
    int points_;
    std::vector<std::uint16_t> covers_;
    // The sum of the ids of the lines that cover each set: the id of the only one, when one does.
    std::vector<std::uint32_t> coverIds_;
    std::vector<std::uint32_t> weights_;
    // Where each uncovered set stands in uncovered_ (meaningless for covered sets).
    std::vector<std::uint32_t> position_;
    std::vector<std::uint32_t> uncovered_;
    // Once sole covers are counted: the numbers of uncovered_'s sets, in the same order; each
    // line's numbers by id; and per id, for the sets that meet only that line and meet it in
    // exactly t numbers, how many hold the number x (entry x) and both x and y (entry
    // (x + 1) * stride + y).
    bool countsSoleCovers_ = false;
    std::vector<NumberMask> uncoveredSets_;
    std::vector<NumberMask> lineById_;
    std::vector<std::uint32_t> soleCounts_;
    std::size_t soleStride_ = 0;
    // The id whose sole counts are left alone while its line changes, or none.
    std::uint32_t changingId_ = kNoId;
    std::uint64_t lastSwapWork_ = 0;
    std::uint64_t sets_ = 0;
    std::function<bool()> stop_;
    mutable std::uint32_t setsSinceClockRead_ = 0;
    mutable std::chrono::steady_clock::time_point nextStopQuestion_{};
    mutable bool broken_ = false;
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFU;
};

}  // namespace ordavex
