#include "guarantee/nearest_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace ordavex {
namespace {

// Lines of 6 out of 90 (numbers in both words of a mask) and sets of 4 out of the same numbers.
std::vector<NumberMask> RandomLines(SeededRandom& random, std::size_t count) {
    std::vector<NumberMask> lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines.push_back(random.Completed({}, NumberMask::FirstNumbers(90), 6));
    }
    return lines;
}

TEST(NearestLineTest, ChoosesALineSharingMostNumbersWhicheverWayItCounts) {
    SeededRandom maker(7);
    for (int round = 0; round < 2000; ++round) {
        const std::vector<NumberMask> lines = RandomLines(maker, 1 + maker.Below(60));
        const NumberMask set = maker.Completed({}, NumberMask::FirstNumbers(90), 4);
        SeededRandom fast(static_cast<std::uint64_t>(round));
        SeededRandom portable(static_cast<std::uint64_t>(round));
        const std::size_t chosen = NearestLine(lines, set, fast);
        ASSERT_EQ(chosen, NearestLineByMaskCount(lines, set, portable)) << "round " << round;
        // Both drew as many numbers, so a search goes on alike on every processor.
        ASSERT_EQ(fast.Next(), portable.Next()) << "round " << round;
        int most = 0;
        for (const NumberMask& line : lines) {
            most = std::max(most, CommonCount(line, set));
        }
        ASSERT_LT(chosen, lines.size());
        EXPECT_EQ(CommonCount(lines[chosen], set), most) << "round " << round;
    }
}

TEST(NearestLineTest, ChoosesAmongTiedLinesAlike) {
    // Lines 0 and 2 share two numbers with the set, line 1 one, line 3 none.
    const std::vector<NumberMask> lines{NumberMask::Of(1) | NumberMask::Of(2) | NumberMask::Of(70),
                                        NumberMask::Of(3) | NumberMask::Of(71), NumberMask::Of(2) | NumberMask::Of(80),
                                        NumberMask::Of(72)};
    const NumberMask set = NumberMask::Of(1) | NumberMask::Of(2) | NumberMask::Of(3) | NumberMask::Of(80);
    SeededRandom random(3);
    std::vector<int> times(lines.size(), 0);
    for (int i = 0; i < 4000; ++i) {
        ++times[NearestLine(lines, set, random)];
    }
    EXPECT_EQ(times[1] + times[3], 0);
    EXPECT_GT(times[0], 1700);
    EXPECT_GT(times[2], 1700);
}

}  // namespace
}  // namespace ordavex
