#include "guarantee/rotation_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "guarantee/guarantee_checker.h"

namespace ordavex {
namespace {

// The numbers 1..c*m moved one place along cycles of m consecutive numbers; the rest stay.
NumberMask Rotated(NumberMask line, int numbers, int cycleLength) {
    const int cycled = numbers / cycleLength * cycleLength;
    NumberMask rotated;
    for (; !line.Empty(); line.RemoveLowest()) {
        const int number = line.Lowest();
        rotated.Set(number > cycled ? number : (number % cycleLength == 0 ? number - cycleLength + 1 : number + 1));
    }
    return rotated;
}

TEST(RotationSearchTest, FindsAMatrixThatItsRotationMapsOntoItself) {
    // 25 lines of 10 out of 15 meeting any 8 in 7: five base lines and their rotations by cycles
    // of 5 (the general search stops at 26). Cycles of 13 leave 14 and 15 in place.
    for (const auto& [numbers, length, drawn, points, cycleLength, baseLines] :
         std::vector<std::array<int, 6>>{{15, 10, 8, 7, 5, 5}, {15, 6, 3, 3, 13, 3}}) {
        RotationSearch search(numbers, length, drawn, points, cycleLength);
        SeededRandom random(1);
        const RotationSearch::Result result =
            search.Search(static_cast<std::size_t>(baseLines), 20'000'000'000, random, [] { return false; });
        const std::string name = "N=" + std::to_string(numbers) + " cycles of " + std::to_string(cycleLength);
        ASSERT_TRUE(result.complete) << name;
        EXPECT_LE(result.lines.size(), static_cast<std::size_t>(baseLines * cycleLength)) << name;
        for (const NumberMask& line : result.lines) {
            EXPECT_EQ(line.Count(), length) << name;
            EXPECT_EQ(std::count(result.lines.begin(), result.lines.end(), line), 1) << name << ": each line once";
            EXPECT_NE(std::find(result.lines.begin(), result.lines.end(), Rotated(line, numbers, cycleLength)),
                      result.lines.end())
                << name;
        }
        EXPECT_EQ(GuaranteeChecker(result.lines, numbers).CheckClaim(points, drawn).status, ClaimStatus::kHolds)
            << name;
    }
}

TEST(RotationSearchTest, WithoutWorkOrWhenToldToStopItEndsWithTheStartIncomplete) {
    RotationSearch search(15, 10, 8, 7, 5);
    SeededRandom random(1);
    EXPECT_FALSE(search.Search(5, 0, random, [] { return false; }).complete);
    EXPECT_FALSE(search.Search(5, 20'000'000'000, random, [] { return true; }).complete);
    // Two base lines of 10 cannot meet every 8 of 15 in 7, whatever the work.
    const RotationSearch::Result tooFew = search.Search(2, 50'000'000, random, [] { return false; });
    EXPECT_FALSE(tooFew.complete);
    EXPECT_GE(tooFew.work, 50'000'000U);
    EXPECT_THROW(search.Search(RotationSearch::kMostMeets, 1, random, [] { return false; }), std::length_error);
    // Told to stop while it sorts the sets into classes, it finds nothing, whatever the work.
    int questions = 0;
    RotationSearch stoppedEarly(20, 10, 8, 7, 5, [&questions] { return ++questions > 0; });
    EXPECT_EQ(questions, 1);
    const RotationSearch::Result nothing = stoppedEarly.Search(5, 20'000'000'000, random, [] { return false; });
    EXPECT_FALSE(nothing.complete);
    EXPECT_TRUE(nothing.lines.empty());
    EXPECT_EQ(nothing.work, 0U);
}

TEST(RotationSearchTest, ItsTableHoldsMoreThanTheSetsWhenSomeClassesHaveFewerRotations) {
    // Two cycles of 4 over 8 numbers: {1,3,5,7} comes back after two steps, yet its class holds
    // four rotations, so base lines that the 70 sets of 4 would let in do not fit.
    RotationSearch search(8, 5, 4, 3, 4);
    const std::size_t byTheSets = RotationSearch::kMostMeets / 70;
    EXPECT_FALSE(search.Fits(byTheSets));
    EXPECT_TRUE(search.Fits(byTheSets / 2));
    SeededRandom random(1);
    EXPECT_THROW(search.Search(byTheSets, 1, random, {}), std::length_error);
}

TEST(RotationSearchTest, CyclesLeaveAtMostTwoNumbersInPlace) {
    EXPECT_EQ(RotationSearch::CycleLengths(15), (std::vector<int>{2, 3, 5, 7, 13, 14, 15}));
    EXPECT_EQ(RotationSearch::CycleLengths(4), (std::vector<int>{2, 3, 4}));
}

}  // namespace
}  // namespace ordavex
