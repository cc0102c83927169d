#include "guarantee/golay_traces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brute_force_cover.h"

namespace ordavex {
namespace {

using test::UncoveredByBruteForce;

struct Play {
    int numbers, length, strength;
};

std::string NameOf(const Play& play) {
    return std::to_string(play.numbers) + " " + std::to_string(play.length) + " " + std::to_string(play.strength);
}

TEST(GolayTracesTest, TheChosenTracesCoverEverySetByBruteForce) {
    for (const Play play : {Play{20, 8, 4}, Play{12, 6, 3}, Play{16, 6, 3}, Play{18, 9, 4}, Play{22, 10, 4}}) {
        const auto lines = GolayTraceCovering(play.numbers, play.length, play.strength, 4, 1);
        ASSERT_TRUE(lines.has_value()) << NameOf(play);
        for (const NumberMask line : *lines) {
            ASSERT_EQ(line.Count(), play.length) << NameOf(play);
            ASSERT_TRUE(Without(line, NumberMask::FirstNumbers(play.numbers)).Empty()) << NameOf(play);
        }
        EXPECT_TRUE(std::adjacent_find(lines->begin(), lines->end()) == lines->end())
            << NameOf(play) << ": a line twice";
        EXPECT_EQ(UncoveredByBruteForce(*lines, play.numbers, 0, play.strength, play.strength), 0U) << NameOf(play);
    }
}

TEST(GolayTracesTest, TheGreedyChoiceLandsBelowTheOctadsClearOfTheRemovedNumbers) {
    // The 130 octads clear of 21..24 are among the traces; the dodecads through all four of them
    // let the choice do with fewer lines, though not every tie-breaking finds it.
    const auto one = GolayTraceCovering(20, 8, 4, 1, 1);
    const auto sixteen = GolayTraceCovering(20, 8, 4, 16, 1);
    ASSERT_TRUE(one && sixteen);
    EXPECT_LT(sixteen->size(), 130U);
    EXPECT_LE(sixteen->size(), one->size());
    // 6 points of 12 numbers: the traces reach the smallest covering known, 15 lines.
    const auto twelve = GolayTraceCovering(12, 6, 3, 16, 1);
    ASSERT_TRUE(twelve);
    EXPECT_EQ(twelve->size(), 15U);
}

TEST(GolayTracesTest, TheSameSeedChoosesTheSameLines) {
    EXPECT_EQ(GolayTraceCovering(18, 8, 4, 3, 7), GolayTraceCovering(18, 8, 4, 3, 7));
}

TEST(GolayTracesTest, PlaysTheCodeCannotServeGetNothing) {
    // No number left to remove, or lines as long as the numbers.
    EXPECT_FALSE(GolayTraceCovering(24, 8, 5, 1, 1));
    EXPECT_FALSE(GolayTraceCovering(12, 12, 3, 1, 1));
    EXPECT_FALSE(GolayTraceCovering(12, 6, 0, 1, 1));
    // With one number removed the only 7-number traces are the blocks of S(4,7,23), two of which
    // share at most three numbers: most sets of six lie in none.
    EXPECT_FALSE(GolayTraceCovering(23, 7, 6, 1, 1));
}

}  // namespace
}  // namespace ordavex
