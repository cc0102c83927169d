#include "combinations/guarantee_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>
#include <vector>

namespace ordavex {
namespace {

NumberMask Line(std::initializer_list<int> numbers) {
    NumberMask mask;
    for (int number : numbers) {
        mask.Set(number);
    }
    return mask;
}

std::vector<NumberMask> AllSubsets(int numbers, int size) {
    std::vector<NumberMask> lines;
    for (unsigned bits = 0; bits < (1U << numbers); ++bits) {
        if (std::popcount(bits) == size) {
            NumberMask mask;
            mask.low = bits;
            lines.push_back(mask);
        }
    }
    return lines;
}

// The profile straight from its definition: for every p, the least over all p-sets of the most
// numbers one line shares with the set.
std::vector<int> ProfileByDefinition(const std::vector<NumberMask>& lines, int numbers) {
    std::vector<int> profile(static_cast<std::size_t>(std::min(numbers, kMostDrawnNumbers)), 99);
    for (unsigned bits = 1; bits < (1U << numbers); ++bits) {
        const int drawn = std::popcount(bits);
        if (drawn > kMostDrawnNumbers) {
            continue;
        }
        NumberMask set;
        set.low = bits;
        int most = 0;
        for (const NumberMask& line : lines) {
            most = std::max(most, CommonCount(line, set));
        }
        int& entry = profile[static_cast<std::size_t>(drawn) - 1];
        entry = std::min(entry, most);
    }
    return profile;
}

// The seven lines of the Fano plane: every pair of 1..7 lies on exactly one line.
const std::vector<NumberMask> kFanoPlane = {Line({1, 2, 3}), Line({1, 4, 5}), Line({1, 6, 7}), Line({2, 4, 6}),
                                            Line({2, 5, 7}), Line({3, 4, 7}), Line({3, 5, 6})};

TEST(GuaranteeCheckerTest, ProfilesWorkedOutByHand) {
    struct Case {
        const char* name;
        std::vector<NumberMask> lines;
        int numbers;
        std::vector<int> profile;
    };
    const std::vector<Case> cases = {
        // Every p numbers hold a line's worth of them: min(p, 3).
        {"all triples of 1..6", AllSubsets(6, 3), 6, {1, 2, 3, 3, 3, 3}},
        {"a single line of all the numbers", {Line({1, 2, 3, 4, 5})}, 5, {1, 2, 3, 4, 5}},
        // Three numbers lie outside the line, so p drawn meet it in at least p - 3.
        {"a single line of 5 out of 8", {Line({1, 2, 3, 4, 5})}, 8, {0, 0, 0, 1, 2, 3, 4, 5}},
        // Three numbers off any line, and the four outside a line, hold no line; any five hold one.
        {"the Fano plane", kFanoPlane, 7, {1, 2, 2, 2, 3, 3, 3}},
        // Two disjoint halves: p drawn put at least ceil(p/2) in one half.
        {"two halves of 1..10", {Line({1, 2, 3, 4, 5}), Line({6, 7, 8, 9, 10})}, 10, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
    };
    for (const Case& c : cases) {
        const GuaranteeChecker checker(c.lines, c.numbers);
        EXPECT_EQ(checker.Profile(), c.profile) << c.name;
        for (std::size_t p = 1; p <= c.profile.size(); ++p) {
            EXPECT_EQ(checker.GuaranteedPoints(static_cast<int>(p)), c.profile[p - 1]) << c.name << " p=" << p;
        }
    }
}

TEST(GuaranteeCheckerTest, ProfileAgreesWithTheDefinitionOnRandomMatrices) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 40; ++trial) {
        const int numbers = 6 + static_cast<int>(random() % 9);
        const int length = 2 + static_cast<int>(random() % 5);
        const int count = 1 + static_cast<int>(random() % 9);
        std::vector<NumberMask> lines;
        for (int i = 0; i < count; ++i) {
            NumberMask line;
            while (line.Count() < std::min(length, numbers)) {
                line.Set(1 + static_cast<int>(random() % static_cast<unsigned>(numbers)));
            }
            lines.push_back(line);
        }
        const GuaranteeChecker checker(lines, numbers);
        EXPECT_EQ(checker.Profile(), ProfileByDefinition(lines, numbers)) << "trial " << trial;
    }
}

TEST(GuaranteeCheckerTest, AFailingClaimGivesADrawThatNoLineMeetsEnough) {
    struct Case {
        std::vector<NumberMask> lines;
        int numbers;
        int points;
        int drawn;
    };
    const std::vector<Case> cases = {
        {kFanoPlane, 7, 3, 3},
        {kFanoPlane, 7, 3, 4},
        {{Line({1, 2, 3, 4, 5})}, 8, 1, 3},
        {{Line({1, 2, 3, 4, 5}), Line({6, 7, 8, 9, 10})}, 10, 4, 6},
        {AllSubsets(9, 4), 9, 5, 9},
    };
    for (const Case& c : cases) {
        const ClaimResult result = GuaranteeChecker(c.lines, c.numbers).CheckClaim(c.points, c.drawn);
        ASSERT_EQ(result.status, ClaimStatus::kFails);
        ASSERT_EQ(static_cast<int>(result.counterexample.size()), c.drawn);
        EXPECT_TRUE(std::is_sorted(result.counterexample.begin(), result.counterexample.end()));
        EXPECT_EQ(std::adjacent_find(result.counterexample.begin(), result.counterexample.end()),
                  result.counterexample.end());
        NumberMask draw;
        for (int number : result.counterexample) {
            ASSERT_GE(number, 1);
            ASSERT_LE(number, c.numbers);
            draw.Set(number);
        }
        for (const NumberMask& line : c.lines) {
            EXPECT_LT(CommonCount(line, draw), c.points);
        }
    }
}

TEST(GuaranteeCheckerTest, ClaimsThatHoldAndTheirLimits) {
    const GuaranteeChecker fano(kFanoPlane, 7);
    EXPECT_EQ(fano.CheckClaim(2, 2).status, ClaimStatus::kHolds);
    EXPECT_EQ(fano.CheckClaim(3, 5).status, ClaimStatus::kHolds);
    EXPECT_TRUE(fano.CheckClaim(3, 5).counterexample.empty());
    // No points are always guaranteed; more points than drawn never are.
    EXPECT_EQ(fano.CheckClaim(0, 1).status, ClaimStatus::kHolds);
    EXPECT_EQ(fano.CheckClaim(4, 3).status, ClaimStatus::kFails);
    // A number that no line uses can be drawn alone.
    const GuaranteeChecker gap({Line({1, 2}), Line({2, 4})}, 4);
    const ClaimResult alone = gap.CheckClaim(1, 1);
    ASSERT_EQ(alone.status, ClaimStatus::kFails);
    EXPECT_EQ(alone.counterexample, std::vector<int>{3});
    EXPECT_EQ(gap.GuaranteedPoints(1), 0);
    EXPECT_EQ(gap.GuaranteedPoints(4, 1), 1);
}

TEST(GuaranteeCheckerTest, NumbersBeyondSixtyFourAreCounted) {
    const NumberMask low = NumberMask::FirstNumbers(64);
    const NumberMask high = Line({65, 66, 67, 68, 69, 70});
    const GuaranteeChecker checker({low, high}, 70);
    const ClaimResult pair = checker.CheckClaim(2, 2);
    ASSERT_EQ(pair.status, ClaimStatus::kFails);
    EXPECT_EQ(pair.counterexample, (std::vector<int>{1, 65}));
    EXPECT_EQ(checker.CheckClaim(2, 3).status, ClaimStatus::kHolds);
    // Six drawn can split three and three between the two lines, not better.
    EXPECT_EQ(checker.GuaranteedPoints(6), 3);
    const ClaimResult split = checker.CheckClaim(4, 6);
    ASSERT_EQ(split.status, ClaimStatus::kFails);
    EXPECT_EQ(split.counterexample, (std::vector<int>{1, 2, 3, 65, 66, 67}));
}

TEST(GuaranteeCheckerTest, ADeadlineStopsTheSearch) {
    // Ten drawn out of thirty against the three consecutive tens: a whole search visits many
    // thousands of branches, more than are done between two readings of the clock.
    std::vector<NumberMask> lines;
    for (int first = 1; first <= 30; ++first) {
        NumberMask line;
        for (int i = 0; i < 10; ++i) {
            line.Set((first + i - 1) % 30 + 1);
        }
        lines.push_back(line);
    }
    const GuaranteeChecker checker(lines, 30);
    const auto past = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    EXPECT_EQ(checker.CheckClaim(4, 10, past).status, ClaimStatus::kNotCompleted);
    EXPECT_EQ(checker.GuaranteedPoints(10, past), kPointsUnknown);
    const std::vector<int> profile = checker.Profile(past);
    EXPECT_EQ(profile.back(), kPointsUnknown);
    EXPECT_EQ(checker.CheckClaim(4, 10).status, ClaimStatus::kHolds);
}

TEST(GuaranteeCheckerTest, RefusesImpossibleInput) {
    EXPECT_THROW(GuaranteeChecker({Line({1, 2, 9})}, 8), std::invalid_argument);
    EXPECT_THROW(GuaranteeChecker({}, 0), std::invalid_argument);
    EXPECT_THROW(GuaranteeChecker({}, 91), std::invalid_argument);
    const GuaranteeChecker checker({Line({1, 2, 3})}, 3);
    EXPECT_THROW(checker.CheckClaim(1, 4), std::invalid_argument);
    EXPECT_THROW(checker.CheckClaim(1, 0), std::invalid_argument);
    EXPECT_THROW(checker.CheckClaim(-1, 2), std::invalid_argument);
}

}  // namespace
}  // namespace ordavex
