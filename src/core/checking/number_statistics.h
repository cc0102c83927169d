#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checking/draw_archive.h"
#include "checking/draw_range.h"
#include "lottery/number_range.h"

namespace ordavex {

// The delay of a number that no draw of the range holds: shown as "mai".
constexpr std::int64_t kNeverDrawn = -1;
// How many of the most frequent pairs the statistics keep.
constexpr std::size_t kTopPairs = 20;

// What a range of draws tells about one number.
struct NumberRecord {
    std::int64_t drawn = 0;  // draws of the range that hold the number
    // Draws of the range after the latest one holding the number, counted back from the most
    // recent draw of the range: 0 when that draw holds it, kNeverDrawn when no draw does.
    std::int64_t delay = kNeverDrawn;
    // The longest run of consecutive draws of the range without the number. The run before its
    // first appearance and the run after its last (the current delay) count as runs too, since
    // the player waited through them as well; a number never drawn was absent from the whole range.
    std::int64_t longestDelay = 0;
};

struct NumberPair {
    int low = 0;
    int high = 0;
    std::int64_t count = 0;  // draws of the range holding both numbers
};

struct NumberStatistics {
    std::int64_t draws = 0;
    std::array<NumberRecord, kHighestNumber + 1> numbers{};  // indexed by the number; entry 0 unused
    // The most frequent pairs, at most kTopPairs, most frequent first; equal counts put the pair
    // with the lower first number first, then the one with the lower second number.
    std::vector<NumberPair> topPairs;

    const NumberRecord& Of(int number) const { return numbers[static_cast<std::size_t>(number)]; }
};

// Counts draws one after another in a single pass: per draw, a step for each number drawn and one
// for each pair of them in a table of all pairs.
class NumberStatisticsCounter {
public:
    NumberStatisticsCounter();
    // Adds the draws [first, end) of `draws`, after the draws added before.
    void Add(const std::vector<ArchiveDraw>& draws, std::size_t first, std::size_t end);
    void Add(const NumberMask& draw);
    NumberStatistics Result() const;

private:
    void FlushPairs();

    std::int64_t draws_ = 0;
    std::array<std::int64_t, kHighestNumber + 1> drawn_{};
    std::array<std::int64_t, kHighestNumber + 1> lastDrawn_{};  // position of the latest draw holding it, or -1
    std::array<std::int64_t, kHighestNumber + 1> longest_{};
    // Pair counts by low * (kHighestNumber + 1) + high: 32-bit counters stay in the fastest cache and
    // are emptied into the 64-bit totals before they could overflow.
    std::vector<std::uint32_t> recentPairs_;
    std::vector<std::int64_t> pairs_;
    std::int64_t drawsSinceFlush_ = 0;
};

// Shared between the thread that counts and the one that shows the progress.
struct StatisticsProgress {
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> counted{0};  // draws of the range counted so far
};

// The statistics of the draws in `range`. With `progress`, the count is published after every piece
// of draws and the work stops, returning nothing, soon after `progress->cancel` is set.
std::optional<NumberStatistics> CountNumberStatistics(const std::vector<ArchiveDraw>& draws, DrawRange range,
                                                      StatisticsProgress* progress = nullptr);

// The columns of the statistics by which the numbers can be ordered.
enum class NumberColumn { kNumber, kDrawn, kShare, kDelay, kLongestDelay, kAverageGap };

// The numbers 1..90 ordered by a column, ascending or descending. "mai" counts as the largest delay
// and the largest average gap; equal values put the lower number first in either order.
std::vector<int> RankNumbers(const NumberStatistics& statistics, NumberColumn column, bool descending);

// "22,50%": the share of the range's draws that hold the number.
std::string ShareText(const NumberStatistics& statistics, int number);
// The delay in draws, or "mai".
std::string DelayText(std::int64_t delay);
// "4,50": the draws of the range per appearance of the number, or "mai" when it never came out.
std::string AverageGapText(const NumberStatistics& statistics, int number);
// "05-34: 12"
std::string PairText(const NumberPair& pair);

}  // namespace ordavex
