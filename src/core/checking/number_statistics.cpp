#include "checking/number_statistics.h"

#include <algorithm>
#include <limits>

#include "app/number_text.h"
#include "checking/draw_probability.h"

namespace ordavex {

namespace {

constexpr std::size_t kPairRow = kHighestNumber + 1;
// No 32-bit pair counter can pass this many draws, as each draw adds at most one to it.
constexpr std::int64_t kDrawsBetweenFlushes = std::int64_t{1} << 31;
// Draws counted between two looks at the cancel flag: about a millisecond of work.
constexpr std::size_t kDrawsPerPiece = 1 << 12;
constexpr const char* kNeverText = "mai";
constexpr int kPairDigits = 2;
constexpr std::int64_t kHundredths = 100;

std::int64_t SortKey(const NumberStatistics& statistics, int number, NumberColumn column) {
    const NumberRecord& record = statistics.Of(number);
    constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
    switch (column) {
        case NumberColumn::kNumber:
            return number;
        case NumberColumn::kDrawn:
        case NumberColumn::kShare:
            return record.drawn;
        case NumberColumn::kDelay:
            return record.delay == kNeverDrawn ? kNever : record.delay;
        case NumberColumn::kLongestDelay:
            return record.longestDelay;
        case NumberColumn::kAverageGap:
            // Every number shares the range's draws, so the gap grows as the appearances fall.
            return record.drawn == 0 ? kNever : -record.drawn;
    }
    return number;
}

bool MoreFrequentPair(const NumberPair& a, const NumberPair& b) {
    if (a.count != b.count) return a.count > b.count;
    if (a.low != b.low) return a.low < b.low;
    return a.high < b.high;
}

}  // namespace

NumberStatisticsCounter::NumberStatisticsCounter()
    : recentPairs_(kPairRow * kPairRow, 0), pairs_(kPairRow * kPairRow, 0) {
    lastDrawn_.fill(-1);
}

void NumberStatisticsCounter::Add(const std::vector<ArchiveDraw>& draws, std::size_t first, std::size_t end) {
    for (std::size_t position = first; position < end; ++position) Add(draws[position].numbers);
}

void NumberStatisticsCounter::Add(const NumberMask& draw) {
    std::array<int, kHighestNumber> held{};
    std::size_t count = 0;
    for (const int number : draw) {
        if (number > kHighestNumber) break;
        held[count++] = number;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const auto number = static_cast<std::size_t>(held[i]);
        longest_[number] = std::max(longest_[number], draws_ - lastDrawn_[number] - 1);
        lastDrawn_[number] = draws_;
        ++drawn_[number];
        std::uint32_t* row = &recentPairs_[number * kPairRow];
        for (std::size_t j = i + 1; j < count; ++j) ++row[static_cast<std::size_t>(held[j])];
    }
    ++draws_;
    if (++drawsSinceFlush_ == kDrawsBetweenFlushes) FlushPairs();
}

void NumberStatisticsCounter::FlushPairs() {
    for (std::size_t i = 0; i < pairs_.size(); ++i) {
        pairs_[i] += recentPairs_[i];
        recentPairs_[i] = 0;
    }
    drawsSinceFlush_ = 0;
}

NumberStatistics NumberStatisticsCounter::Result() const {
    NumberStatistics statistics;
    statistics.draws = draws_;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const auto number = static_cast<std::size_t>(n);
        NumberRecord& record = statistics.numbers[number];
        record.drawn = drawn_[number];
        if (drawn_[number] == 0) {
            record.longestDelay = draws_;
            continue;
        }
        record.delay = draws_ - 1 - lastDrawn_[number];
        record.longestDelay = std::max(longest_[number], record.delay);
    }

    std::vector<NumberPair> pairs;
    for (int low = kLowestNumber; low < kHighestNumber; ++low) {
        for (int high = low + 1; high <= kHighestNumber; ++high) {
            const std::size_t at = static_cast<std::size_t>(low) * kPairRow + static_cast<std::size_t>(high);
            const std::int64_t count = pairs_[at] + recentPairs_[at];
            if (count > 0) pairs.push_back({low, high, count});
        }
    }
    const std::size_t kept = std::min(pairs.size(), kTopPairs);
    std::partial_sort(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(kept), pairs.end(), MoreFrequentPair);
    pairs.resize(kept);
    statistics.topPairs = std::move(pairs);
    return statistics;
}

std::optional<NumberStatistics> CountNumberStatistics(const std::vector<ArchiveDraw>& draws, DrawRange range,
                                                      StatisticsProgress* progress) {
    range.end = std::min(range.end, draws.size());
    NumberStatisticsCounter counter;
    for (std::size_t next = range.first; next < range.end;) {
        if (progress != nullptr && progress->cancel.load(std::memory_order_relaxed)) return std::nullopt;
        const std::size_t end = std::min(range.end, next + kDrawsPerPiece);
        counter.Add(draws, next, end);
        next = end;
        if (progress != nullptr) progress->counted.store(next - range.first, std::memory_order_relaxed);
    }
    return counter.Result();
}

std::vector<int> RankNumbers(const NumberStatistics& statistics, NumberColumn column, bool descending) {
    std::vector<int> ranked;
    ranked.reserve(kHighestNumber);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) ranked.push_back(n);
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) {
        const std::int64_t keyA = SortKey(statistics, a, column);
        const std::int64_t keyB = SortKey(statistics, b, column);
        return descending ? keyA > keyB : keyA < keyB;
    });
    return ranked;
}

std::string ShareText(const NumberStatistics& statistics, int number) {
    if (statistics.draws == 0) return PercentText(0);
    return PercentText(static_cast<long double>(statistics.Of(number).drawn) /
                       static_cast<long double>(statistics.draws));
}

std::string DelayText(std::int64_t delay) { return delay == kNeverDrawn ? kNeverText : std::to_string(delay); }

std::string AverageGapText(const NumberStatistics& statistics, int number) {
    const std::int64_t drawn = statistics.Of(number).drawn;
    if (drawn == 0) return kNeverText;
    // Rounded half up to hundredths, in whole numbers so that the text is exact.
    const std::int64_t hundredths = (statistics.draws * kHundredths * 2 + drawn) / (2 * drawn);
    std::string text = std::to_string(hundredths / kHundredths);
    text += ',';
    AppendZeroPadded(text, hundredths % kHundredths, 2);
    return text;
}

std::string PairText(const NumberPair& pair) {
    std::string text;
    AppendZeroPadded(text, pair.low, kPairDigits);
    text += '-';
    AppendZeroPadded(text, pair.high, kPairDigits);
    text += ": ";
    text += std::to_string(pair.count);
    return text;
}

}  // namespace ordavex
