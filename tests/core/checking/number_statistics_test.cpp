#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <tuple>

#include "checking/number_statistics.h"

namespace ordavex {
namespace {

ArchiveDraw DrawOf(std::initializer_list<int> numbers) {
    ArchiveDraw draw;
    for (int n : numbers) draw.numbers.Set(n);
    return draw;
}

ArchiveDraw DrawFrom(int first) {
    ArchiveDraw draw;
    for (int n = first; n < first + kNumbersPerDraw; ++n) draw.numbers.Set(n);
    return draw;
}

// Draws of `size` numbers taken at random from 1..`highest`; a small `highest` leaves numbers
// that are never drawn and makes pairs tie.
std::vector<ArchiveDraw> RandomArchive(std::mt19937& random, std::size_t draws, int highest, int size) {
    std::vector<int> numbers(static_cast<std::size_t>(highest));
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::vector<ArchiveDraw> archive(draws);
    for (auto& draw : archive) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int k = 0; k < size; ++k) draw.numbers.Set(numbers[static_cast<std::size_t>(k)]);
    }
    return archive;
}

NumberStatistics Count(const std::vector<ArchiveDraw>& draws, DrawRange range) {
    const auto statistics = CountNumberStatistics(draws, range);
    EXPECT_TRUE(statistics.has_value());
    return statistics.value_or(NumberStatistics{});
}

NumberStatistics CountAll(const std::vector<ArchiveDraw>& draws) { return Count(draws, {0, draws.size()}); }

// The statistics counted the plain way: number by number, draw by draw, every pair looked up.
NumberStatistics PlainCount(const std::vector<ArchiveDraw>& draws, DrawRange range) {
    NumberStatistics plain;
    plain.draws = static_cast<std::int64_t>(range.Size());
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        NumberRecord& record = plain.numbers[static_cast<std::size_t>(n)];
        std::int64_t run = 0;
        for (std::size_t i = range.first; i < range.end; ++i) {
            if (draws[i].numbers.Has(n)) {
                ++record.drawn;
                run = 0;
            } else {
                record.longestDelay = std::max(record.longestDelay, ++run);
            }
        }
        record.delay = record.drawn == 0 ? kNeverDrawn : run;
    }
    std::map<std::pair<int, int>, std::int64_t> pairs;
    for (std::size_t i = range.first; i < range.end; ++i) {
        for (int a = kLowestNumber; a <= kHighestNumber; ++a) {
            for (int b = a + 1; b <= kHighestNumber; ++b) {
                if (draws[i].numbers.Has(a) && draws[i].numbers.Has(b)) ++pairs[{a, b}];
            }
        }
    }
    for (const auto& [numbers, count] : pairs) plain.topPairs.push_back({numbers.first, numbers.second, count});
    std::stable_sort(plain.topPairs.begin(), plain.topPairs.end(),
                     [](const NumberPair& x, const NumberPair& y) { return x.count > y.count; });
    if (plain.topPairs.size() > kTopPairs) plain.topPairs.resize(kTopPairs);
    return plain;
}

void ExpectSame(const NumberStatistics& counted, const NumberStatistics& plain) {
    EXPECT_EQ(counted.draws, plain.draws);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(counted.Of(n).drawn, plain.Of(n).drawn);
        EXPECT_EQ(counted.Of(n).delay, plain.Of(n).delay);
        EXPECT_EQ(counted.Of(n).longestDelay, plain.Of(n).longestDelay);
    }
    ASSERT_EQ(counted.topPairs.size(), plain.topPairs.size());
    for (std::size_t i = 0; i < plain.topPairs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(counted.topPairs[i].low, plain.topPairs[i].low);
        EXPECT_EQ(counted.topPairs[i].high, plain.topPairs[i].high);
        EXPECT_EQ(counted.topPairs[i].count, plain.topPairs[i].count);
    }
}

TEST(NumberStatistics, AgreeWithAPlainCountOnRandomArchivesAndRanges) {
    std::mt19937 random(20261207);
    const struct {
        std::size_t draws;
        int highest;
        int size;
    } archives[] = {{1, 90, 20}, {2, 90, 20}, {37, 90, 20}, {400, 90, 20}, {250, 30, 20}, {120, 90, 5}, {60, 25, 3}};
    for (const auto& shape : archives) {
        const auto draws = RandomArchive(random, shape.draws, shape.highest, shape.size);
        for (int trial = 0; trial < 4; ++trial) {
            std::uniform_int_distribution<std::size_t> position(0, shape.draws - 1);
            std::size_t first = trial == 0 ? 0 : position(random);
            std::size_t last = trial == 0 ? shape.draws - 1 : position(random);
            if (first > last) std::swap(first, last);
            SCOPED_TRACE(testing::Message() << shape.draws << " draws of " << shape.size << " from 1.." << shape.highest
                                            << ", range " << first << ".." << last);
            ExpectSame(Count(draws, {first, last + 1}), PlainCount(draws, {first, last + 1}));
        }
    }
}

TEST(NumberStatistics, OneDrawGivesItsNumbersDelayZeroAndTheOthersMaiForTheWholeRange) {
    const auto statistics = CountAll({DrawFrom(11)});
    EXPECT_EQ(statistics.draws, 1);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        SCOPED_TRACE(n);
        const bool drawn = n >= 11 && n <= 30;
        EXPECT_EQ(statistics.Of(n).drawn, drawn ? 1 : 0);
        EXPECT_EQ(statistics.Of(n).delay, drawn ? 0 : kNeverDrawn);
        EXPECT_EQ(statistics.Of(n).longestDelay, drawn ? 0 : 1);
    }
    // All 190 pairs of the draw tie: the lower numbers come first.
    ASSERT_EQ(statistics.topPairs.size(), kTopPairs);
    for (std::size_t i = 0; i < 19; ++i) {
        EXPECT_EQ(std::tie(statistics.topPairs[i].low, statistics.topPairs[i].high),
                  std::make_tuple(11, static_cast<int>(12 + i)));
    }
    EXPECT_EQ(PairText(statistics.topPairs[19]), "12-13: 1");
    EXPECT_EQ(DelayText(statistics.Of(5).delay), "mai");
    EXPECT_EQ(AverageGapText(statistics, 5), "mai");
    EXPECT_EQ(AverageGapText(statistics, 11), "1,00");
    EXPECT_EQ(ShareText(statistics, 11), "100,00%");
    EXPECT_EQ(ShareText(statistics, 5), "0,00%");
}

TEST(NumberStatistics, DelaysCountBackFromTheRangesLastDrawAndTheLongestIncludesBothEnds) {
    // Number 1 only in the last draw, 2 only in the first, 3 in draws 2 and 6 of 7, 4 in every one.
    const std::vector<ArchiveDraw> draws = {DrawOf({2, 4}), DrawOf({3, 4}), DrawOf({4}),   DrawOf({4}),
                                            DrawOf({4}),    DrawOf({3, 4}), DrawOf({1, 4})};
    const auto statistics = CountAll(draws);
    EXPECT_EQ(statistics.Of(1).delay, 0);
    EXPECT_EQ(statistics.Of(1).longestDelay, 6);  // the draws before its first appearance
    EXPECT_EQ(statistics.Of(2).delay, 6);
    EXPECT_EQ(statistics.Of(2).longestDelay, 6);  // the draws after its last appearance
    EXPECT_EQ(statistics.Of(3).delay, 1);
    EXPECT_EQ(statistics.Of(3).longestDelay, 3);  // between its two appearances
    EXPECT_EQ(statistics.Of(4).delay, 0);
    EXPECT_EQ(statistics.Of(4).longestDelay, 0);
    EXPECT_EQ(statistics.Of(5).longestDelay, 7);
    EXPECT_EQ(AverageGapText(statistics, 3), "3,50");
    EXPECT_EQ(ShareText(statistics, 3), "28,57%");

    // A range of one draw in the middle sees only that draw.
    const auto one = Count(draws, {1, 2});
    EXPECT_EQ(one.draws, 1);
    EXPECT_EQ(one.Of(3).delay, 0);
    EXPECT_EQ(one.Of(2).delay, kNeverDrawn);
    EXPECT_EQ(one.Of(2).longestDelay, 1);
    ASSERT_EQ(one.topPairs.size(), 1u);
    EXPECT_EQ(PairText(one.topPairs[0]), "03-04: 1");

    // The same range counted from the end: number 1 is then never drawn.
    const auto withoutLast = Count(draws, {0, 6});
    EXPECT_EQ(withoutLast.Of(1).delay, kNeverDrawn);
    EXPECT_EQ(withoutLast.Of(3).delay, 0);
    EXPECT_EQ(withoutLast.Of(2).delay, 5);
}

TEST(NumberStatistics, AnEmptyRangeCountsNothingAndCancellingStopsTheCount) {
    std::mt19937 random(7);
    const auto draws = RandomArchive(random, 20000, 90, 20);
    const auto none = Count(draws, {5, 5});
    EXPECT_EQ(none.draws, 0);
    EXPECT_TRUE(none.topPairs.empty());
    EXPECT_EQ(none.Of(1).delay, kNeverDrawn);
    EXPECT_EQ(ShareText(none, 1), "0,00%");
    // A range reaching past the archive stops at its end.
    EXPECT_EQ(Count(draws, {19990, 30000}).draws, 10);

    StatisticsProgress progress;
    ASSERT_TRUE(CountNumberStatistics(draws, {100, 20000}, &progress).has_value());
    EXPECT_EQ(progress.counted.load(), 19900u);
    StatisticsProgress cancelled;
    cancelled.cancel = true;
    EXPECT_FALSE(CountNumberStatistics(draws, {0, draws.size()}, &cancelled).has_value());
    EXPECT_EQ(cancelled.counted.load(), 0u);
}

TEST(NumberStatistics, CountingInPiecesGivesTheSameAsAtOnce) {
    std::mt19937 random(11);
    const auto draws = RandomArchive(random, 300, 90, 20);
    NumberStatisticsCounter pieces;
    pieces.Add(draws, 0, 1);
    pieces.Add(draws, 1, 170);
    for (std::size_t i = 170; i < 300; ++i) pieces.Add(draws[i].numbers);
    ExpectSame(pieces.Result(), PlainCount(draws, {0, 300}));
}

TEST(NumberStatistics, RankingPutsMaiLastAscendingAndBreaksTiesByTheLowerNumber) {
    // 1 and 2 in every draw, 3 only in the first, 4 only in the last; the other numbers never.
    const std::vector<ArchiveDraw> draws = {DrawOf({1, 2, 3}), DrawOf({1, 2}), DrawOf({1, 2, 4})};
    const auto statistics = CountAll(draws);

    const auto byDelay = RankNumbers(statistics, NumberColumn::kDelay, true);
    ASSERT_EQ(byDelay.size(), 90u);
    // "mai" first, the never drawn numbers in ascending order, then 3 (2 draws ago), then 1, 2, 4.
    EXPECT_EQ(byDelay[0], 5);
    EXPECT_EQ(byDelay[85], 90);
    EXPECT_EQ(std::vector<int>(byDelay.begin() + 86, byDelay.end()), (std::vector<int>{3, 1, 2, 4}));
    const auto byDelayAscending = RankNumbers(statistics, NumberColumn::kDelay, false);
    EXPECT_EQ(std::vector<int>(byDelayAscending.begin(), byDelayAscending.begin() + 5),
              (std::vector<int>{1, 2, 4, 3, 5}));

    const auto byDrawn = RankNumbers(statistics, NumberColumn::kDrawn, true);
    EXPECT_EQ(std::vector<int>(byDrawn.begin(), byDrawn.begin() + 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(RankNumbers(statistics, NumberColumn::kShare, true), byDrawn);
    // The largest average gap belongs to the rarest numbers, "mai" above them all.
    const auto byGap = RankNumbers(statistics, NumberColumn::kAverageGap, true);
    EXPECT_EQ(std::vector<int>(byGap.begin() + 86, byGap.end()), (std::vector<int>{3, 4, 1, 2}));
    const auto byLongest = RankNumbers(statistics, NumberColumn::kLongestDelay, false);
    EXPECT_EQ(std::vector<int>(byLongest.begin(), byLongest.begin() + 4), (std::vector<int>{1, 2, 3, 4}));
    const auto byNumber = RankNumbers(statistics, NumberColumn::kNumber, true);
    EXPECT_EQ(byNumber.front(), 90);
    EXPECT_EQ(byNumber.back(), 1);
}

TEST(NumberStatistics, AverageGapIsRoundedHalfUpToHundredths) {
    // 9 draws; number 1 in 8 of them (1,125), number 2 in 6 (1,5), number 3 in 7 (1,2857...).
    std::vector<ArchiveDraw> draws(9);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (i < 8) draws[i].numbers.Set(1);
        if (i < 6) draws[i].numbers.Set(2);
        if (i < 7) draws[i].numbers.Set(3);
    }
    const auto statistics = CountAll(draws);
    EXPECT_EQ(AverageGapText(statistics, 1), "1,13");
    EXPECT_EQ(AverageGapText(statistics, 2), "1,50");
    EXPECT_EQ(AverageGapText(statistics, 3), "1,29");
    EXPECT_EQ(ShareText(statistics, 1), "88,89%");
}

TEST(DrawRange, ChoicesStayInsideTheArchive) {
    using Kind = DrawRangeChoice::Kind;
    using Positions = std::pair<std::size_t, std::size_t>;
    const auto range = [](DrawRangeChoice choice, std::size_t count) {
        const DrawRange r = RangeOfChoice(choice, count);
        return Positions{r.first, r.end};
    };
    EXPECT_EQ(range({Kind::kAll, 5, 2, 3}, 10), (Positions{0, 10}));
    EXPECT_EQ(range({Kind::kLatest, 3, 1, 1}, 10), (Positions{7, 10}));
    EXPECT_EQ(range({Kind::kLatest, 30, 1, 1}, 10), (Positions{0, 10}));
    EXPECT_EQ(range({Kind::kFromTo, 0, 4, 4}, 10), (Positions{3, 4}));
    EXPECT_EQ(range({Kind::kFromTo, 0, 2, 99}, 10), (Positions{1, 10}));
    EXPECT_EQ(range({Kind::kFromTo, 0, 0, 3}, 10), (Positions{0, 3}));
    EXPECT_TRUE(RangeOfChoice({Kind::kFromTo, 0, 6, 5}, 10).Empty());
    EXPECT_EQ(RangeOfChoice({Kind::kFromTo, 0, 6, 5}, 10).Size(), 0u);
    EXPECT_TRUE(RangeOfChoice({Kind::kAll, 0, 1, 0}, 0).Empty());
}

}  // namespace
}  // namespace ordavex
