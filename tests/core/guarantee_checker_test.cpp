#include "guarantee/guarantee_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace ordavex {
namespace {

NumberMask Line(const std::vector<int>& numbers) {
    NumberMask mask;
    for (int number : numbers) mask.Set(number);
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

// The profile straight from its definition.
std::vector<int> ProfileByDefinition(const std::vector<NumberMask>& lines, int numbers) {
    std::vector<int> profile(static_cast<std::size_t>(std::min(numbers, kNumbersPerDraw)), 99);
    for (unsigned bits = 1; bits < (1U << numbers); ++bits) {
        const int drawn = std::popcount(bits);
        if (drawn > kNumbersPerDraw) continue;
        NumberMask set;
        set.low = bits;
        int most = 0;
        for (const NumberMask& line : lines) most = std::max(most, CommonCount(line, set));
        int& entry = profile[static_cast<std::size_t>(drawn) - 1];
        entry = std::min(entry, most);
    }
    return profile;
}

// The seven lines of the Fano plane: every pair of 1..7 lies on exactly one line.
const std::vector<NumberMask> kFanoPlane = {Line({1, 2, 3}), Line({1, 4, 5}), Line({1, 6, 7}), Line({2, 4, 6}),
                                            Line({2, 5, 7}), Line({3, 4, 7}), Line({3, 5, 6})};

TEST(GuaranteeCheckerTest, ProfilesWorkedOutByHand) {
    const struct {
        const char* name;
        std::vector<NumberMask> lines;
        int numbers;
        std::vector<int> profile;
    } cases[] = {
        // Every p numbers hold a line's worth of them: min(p, 3).
        {"all triples of 1..6", AllSubsets(6, 3), 6, {1, 2, 3, 3, 3, 3}},
        // Three numbers lie outside the line, so p drawn meet it in at least p - 3.
        {"a single line of 5 out of 8", {Line({1, 2, 3, 4, 5})}, 8, {0, 0, 0, 1, 2, 3, 4, 5}},
        // Three numbers off any line, and the four outside a line, hold no line; any five hold one.
        {"the Fano plane", kFanoPlane, 7, {1, 2, 2, 2, 3, 3, 3}},
        // Two disjoint halves: p drawn put at least ceil(p/2) in one half.
        {"two halves of 1..10", {Line({1, 2, 3, 4, 5}), Line({6, 7, 8, 9, 10})}, 10, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5}},
    };
    for (const auto& c : cases) {
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
            while (line.Count() < length) line.Set(1 + static_cast<int>(random() % static_cast<unsigned>(numbers)));
            lines.push_back(line);
        }
        const GuaranteeChecker checker(lines, numbers);
        EXPECT_EQ(checker.Profile(), ProfileByDefinition(lines, numbers)) << "trial " << trial;
    }
}

TEST(GuaranteeCheckerTest, AClaimHoldsOrGivesADrawThatNoLineMeetsEnough) {
    const std::vector<NumberMask> gap = {Line({1, 2}), Line({2, 4})};  // no line uses 3
    const struct {
        std::vector<NumberMask> lines;
        int numbers, points, drawn;
        bool holds;
    } cases[] = {
        {kFanoPlane, 7, 2, 2, true},
        {kFanoPlane, 7, 3, 5, true},
        {kFanoPlane, 7, 0, 1, true},   // no points are always guaranteed
        {kFanoPlane, 7, 4, 3, false},  // more points than drawn never are
        {kFanoPlane, 7, 3, 3, false},
        {kFanoPlane, 7, 3, 4, false},
        {{Line({1, 2, 3, 4, 5})}, 8, 1, 3, false},
        {{Line({1, 2, 3, 4, 5}), Line({6, 7, 8, 9, 10})}, 10, 4, 6, false},
        {AllSubsets(9, 4), 9, 5, 9, false},
        {gap, 4, 1, 1, false},
    };
    for (const auto& c : cases) {
        const std::string name = std::to_string(c.points) + " of " + std::to_string(c.drawn);
        const ClaimResult result = GuaranteeChecker(c.lines, c.numbers).CheckClaim(c.points, c.drawn);
        const std::vector<int>& draw = result.counterexample;
        if (c.holds) {
            EXPECT_EQ(result.status, ClaimStatus::kHolds) << name;
            EXPECT_TRUE(draw.empty()) << name;
            continue;
        }
        ASSERT_EQ(result.status, ClaimStatus::kFails) << name;
        ASSERT_EQ(static_cast<int>(draw.size()), c.drawn) << name;
        EXPECT_TRUE(std::adjacent_find(draw.begin(), draw.end(), std::greater_equal<>()) == draw.end())
            << name << ": ascending, no repeats";
        ASSERT_GE(draw.front(), 1) << name;
        ASSERT_LE(draw.back(), c.numbers) << name;
        for (const NumberMask& line : c.lines) EXPECT_LT(CommonCount(line, Line(draw)), c.points) << name;
    }
    EXPECT_EQ(GuaranteeChecker(gap, 4).CheckClaim(1, 1).counterexample, std::vector<int>{3});
    EXPECT_EQ(GuaranteeChecker(gap, 4).GuaranteedPoints(1), 0);
    EXPECT_EQ(GuaranteeChecker(gap, 4).GuaranteedPoints(4, 1), 1);
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

// The thirty cyclic runs of ten numbers out of thirty, each written `copies` times.
std::vector<NumberMask> CyclicRuns(int copies) {
    std::vector<NumberMask> lines;
    for (int copy = 0; copy < copies; ++copy) {
        for (int first = 1; first <= 30; ++first) {
            NumberMask line;
            for (int i = 0; i < 10; ++i) line.Set((first + i - 1) % 30 + 1);
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(GuaranteeCheckerTest, ADeadlineStopsTheSearch) {
    // Ten drawn out of thirty against the thirty cyclic runs of ten: far more branches than are
    // visited between two readings of the clock.
    const GuaranteeChecker checker(CyclicRuns(1), 30);
    const auto past = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    EXPECT_EQ(checker.CheckClaim(4, 10, past).status, ClaimStatus::kNotCompleted);
    EXPECT_EQ(checker.GuaranteedPoints(10, past), kPointsUnknown);
    EXPECT_EQ(checker.Profile(past).back(), kPointsUnknown);
    EXPECT_EQ(checker.CheckClaim(4, 10).status, ClaimStatus::kHolds);
}

TEST(GuaranteeCheckerTest, ADeadlineHoldsWhenEveryBranchVisitsManyLines) {
    // The thirty cyclic runs of ten, each written 20,000 times: every number drawn is counted on
    // 200,000 lines, so a clock read only every few thousand branches would come seconds late.
    const GuaranteeChecker checker(CyclicRuns(20000), 30);
    const auto limit = std::chrono::milliseconds(50);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(checker.CheckClaim(4, 10, start + limit).status, ClaimStatus::kNotCompleted);
    EXPECT_LE(std::chrono::steady_clock::now() - start, limit * 11 / 10 + std::chrono::milliseconds(200));
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
