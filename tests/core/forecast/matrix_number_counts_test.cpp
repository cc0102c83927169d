#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "forecast/matrix_number_counts.h"

namespace ordavex {
namespace {

// The same counts read the plain way: each line's set of numbers, then every candidate F tried.
MatrixNumberCounts CountedByHand(const LineList& lines) {
    MatrixNumberCounts counts;
    counts.lines = static_cast<std::int32_t>(lines.size());
    std::vector<std::set<int>> sets;
    for (const auto& line : lines) {
        std::istringstream in(line);
        std::set<int> numbers;
        for (int n = 0; in >> n;) numbers.insert(n);
        for (int n : numbers) {
            ++counts.linesHolding[static_cast<std::size_t>(n)];
            counts.numbers = std::max(counts.numbers, n);
        }
        sets.push_back(numbers);
    }
    const auto everyLineHolds = [&sets](int f) {
        return std::all_of(sets.begin(), sets.end(), [f](const std::set<int>& s) { return s.count(f) == 1; });
    };
    while (!sets.empty() && counts.fixed < kHighestNumber && everyLineHolds(counts.fixed + 1)) ++counts.fixed;
    return counts;
}

void ExpectSameCounts(const MatrixNumberCounts& got, const MatrixNumberCounts& want) {
    EXPECT_EQ(got.lines, want.lines);
    EXPECT_EQ(got.numbers, want.numbers);
    EXPECT_EQ(got.fixed, want.fixed);
    EXPECT_EQ(got.linesHolding, want.linesHolding);
}

TEST(CountMatrixNumbers, SmallMatricesCheckedByHand) {
    // 1 and 2 in every line, 3 missing from the third.
    const auto two = CountMatrixNumbers({"1 2 3 4 5", "1 2 3 6 7", "1 2 4 5 6", "1 2 5 6 7"});
    EXPECT_EQ(two.lines, 4);
    EXPECT_EQ(two.numbers, 7);
    EXPECT_EQ(two.fixed, 2);
    const std::int32_t holding[] = {4, 4, 2, 2, 3, 3, 2};
    for (int m = 1; m <= 7; ++m) EXPECT_EQ(two.linesHolding[static_cast<std::size_t>(m)], holding[m - 1]) << m;
    EXPECT_EQ(two.linesHolding[8], 0);

    // 2 is in every line but 1 is not: fixed numbers must start at 1.
    EXPECT_EQ(CountMatrixNumbers({"2 3 4 5 6", "1 2 4 5 6"}).fixed, 0);
    // A single line fixes all its numbers.
    EXPECT_EQ(CountMatrixNumbers({"05 04 03 02 01"}).fixed, 5);
    // The full range, up to 90.
    LineList everything(1, "");
    for (int n = kHighestNumber; n >= kLowestNumber; --n) everything[0] += std::to_string(n) + " ";
    everything[0].pop_back();
    const auto all = CountMatrixNumbers(everything);
    EXPECT_EQ(all.fixed, kHighestNumber);
    EXPECT_EQ(all.numbers, kHighestNumber);
}

TEST(CountMatrixNumbers, EdgesOfTheLines) {
    const auto none = CountMatrixNumbers({});
    EXPECT_EQ(none.lines, 0);
    EXPECT_EQ(none.fixed, 0);
    EXPECT_EQ(none.numbers, 0);

    // A number written twice counts once in its line; a piece that is no number is passed over.
    const auto odd = CountMatrixNumbers({"1 1 2 x 3", "1 2 91 3"});
    EXPECT_EQ(odd.linesHolding[1], 2);
    EXPECT_EQ(odd.linesHolding[2], 2);
    EXPECT_EQ(odd.fixed, 3);
    EXPECT_EQ(odd.numbers, 3);
}

TEST(CountMatrixNumbers, AgreesWithCountingByHandOnRandomMatrices) {
    std::mt19937 random(20240607);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        const int numbers = std::uniform_int_distribution<int>(5, kHighestNumber)(random);
        const int forced = std::uniform_int_distribution<int>(0, 4)(random);
        const int lineCount = std::uniform_int_distribution<int>(1, 40)(random);
        LineList lines;
        for (int i = 0; i < lineCount; ++i) {
            std::vector<int> pool;
            for (int n = 1; n <= numbers; ++n) pool.push_back(n);
            std::shuffle(pool.begin(), pool.end(), random);
            pool.resize(std::min(pool.size(), std::uniform_int_distribution<std::size_t>(5, 10)(random)));
            // Most rounds give every line the first numbers, so that F > 0 is met often.
            for (int n = 1; n <= forced; ++n) {
                if (std::find(pool.begin(), pool.end(), n) == pool.end()) pool.push_back(n);
            }
            std::string line;
            for (int n : pool) line += (n < 10 && (n % 2) == 0 ? "0" : "") + std::to_string(n) + " ";
            line.pop_back();
            lines.push_back(line);
        }
        const auto counts = CountMatrixNumbers(lines);
        ExpectSameCounts(counts, CountedByHand(lines));
        EXPECT_GE(counts.fixed, forced);
    }
}

}  // namespace
}  // namespace ordavex
