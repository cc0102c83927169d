#include "guarantee/guarantee_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
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

// Random lines of `length` numbers over 1..numbers; with `fixed` numbers, 1..fixed stand in each.
std::vector<NumberMask> RandomLines(std::mt19937& random, int numbers, int length, int count, int fixed) {
    std::vector<NumberMask> lines;
    for (int i = 0; i < count; ++i) {
        NumberMask line = NumberMask::FirstNumbers(fixed);
        while (line.Count() < length) line.Set(1 + static_cast<int>(random() % static_cast<unsigned>(numbers)));
        lines.push_back(line);
    }
    return lines;
}

// What a matrix gives every draw of `drawn` numbers out of 1..numbers that holds 1..fixed, found
// by trying them all: how many draws there are, how many meet no line in `points`, and the most
// points every draw reaches.
struct DrawsTried {
    std::uint64_t draws = 0;
    std::uint64_t uncovered = 0;
    int guaranteed = 99;
};

DrawsTried TryEveryDraw(const std::vector<NumberMask>& lines, int numbers, int fixed, int drawn, int points) {
    DrawsTried tried;
    const NumberMask required = NumberMask::FirstNumbers(fixed);
    for (unsigned bits = 0; bits < (1U << numbers); ++bits) {
        NumberMask draw;
        draw.low = bits;
        if (std::popcount(bits) != drawn || (draw & required) != required) continue;
        int most = 0;
        for (const NumberMask& line : lines) most = std::max(most, CommonCount(line, draw));
        ++tried.draws;
        if (most < points) ++tried.uncovered;
        tried.guaranteed = std::min(tried.guaranteed, most);
    }
    return tried;
}

TEST(GuaranteeCheckerTest, CoverageAndClaimsAgreeWithTryingEveryDraw) {
    std::mt19937 random(20270115);
    for (int trial = 0; trial < 300; ++trial) {
        const int numbers = 5 + static_cast<int>(random() % 10);
        const int fixed = trial % 4 == 0 ? 0 : static_cast<int>(random() % 4);
        const int length = std::min(numbers, fixed + 1 + static_cast<int>(random() % 6));
        const int count = 1 + static_cast<int>(random() % 12);
        const auto lines = RandomLines(random, numbers, length, count, fixed);
        const int drawn =
            std::max(1, fixed) + static_cast<int>(random() % static_cast<unsigned>(numbers - std::max(1, fixed) + 1));
        const int points = static_cast<int>(random() % static_cast<unsigned>(drawn + 2));
        const std::string name = "trial " + std::to_string(trial) + ": " + std::to_string(points) + " if " +
                                 std::to_string(drawn) + " of " + std::to_string(numbers) + ", fixed " +
                                 std::to_string(fixed);
        const GuaranteeChecker checker(lines, numbers, fixed);
        const DrawsTried tried = TryEveryDraw(lines, numbers, fixed, drawn, points);

        const CoverageCount coverage = checker.CountCoverage(points, drawn);
        ASSERT_TRUE(coverage.completed) << name;
        EXPECT_EQ(coverage.draws, tried.draws) << name;
        EXPECT_EQ(coverage.uncovered, tried.uncovered) << name;
        EXPECT_EQ(checker.Draws(drawn), tried.draws) << name;

        const ClaimResult claim = checker.CheckClaim(points, drawn);
        EXPECT_EQ(claim.status == ClaimStatus::kHolds, tried.uncovered == 0) << name;
        if (claim.status == ClaimStatus::kFails) {
            ASSERT_EQ(static_cast<int>(claim.counterexample.size()), drawn) << name;
            const NumberMask draw = Line(claim.counterexample);
            EXPECT_EQ(draw.Count(), drawn) << name;
            EXPECT_EQ(draw & NumberMask::FirstNumbers(fixed), NumberMask::FirstNumbers(fixed)) << name;
            for (const NumberMask& line : lines) EXPECT_LT(CommonCount(line, draw), points) << name;
        }
        EXPECT_EQ(checker.GuaranteedPoints(drawn), tried.guaranteed) << name;
    }
}

TEST(GuaranteeCheckerTest, TheProfileWithFixedNumbersAgreesWithTryingEveryDraw) {
    std::mt19937 random(20270116);
    for (int trial = 0; trial < 60; ++trial) {
        const int numbers = 6 + static_cast<int>(random() % 9);
        const int fixed = 1 + static_cast<int>(random() % 4);
        const int length = std::min(numbers, fixed + 1 + static_cast<int>(random() % 5));
        const auto lines = RandomLines(random, numbers, length, 1 + static_cast<int>(random() % 9), fixed);
        std::vector<int> expected;
        for (int drawn = 1; drawn <= numbers; ++drawn) {
            expected.push_back(drawn < fixed ? kPointsNotApplicable
                                             : TryEveryDraw(lines, numbers, fixed, drawn, 0).guaranteed);
        }
        EXPECT_EQ(GuaranteeChecker(lines, numbers, fixed).Profile(), expected) << "trial " << trial;
    }
}

TEST(GuaranteeCheckerTest, FixedNumbersRestrictTheDrawsLookedAt) {
    // Two lines of 1..6 that share 1 and 2: every draw holding 1 and 2 meets each in two points,
    // while a draw without them may miss one line entirely.
    const std::vector<NumberMask> lines = {Line({1, 2, 3, 4}), Line({1, 2, 5, 6})};
    const GuaranteeChecker free(lines, 6);
    const GuaranteeChecker fixed(lines, 6, 2);
    EXPECT_EQ(free.CheckClaim(3, 3).status, ClaimStatus::kFails);
    // Draws of three holding 1 and 2: the third number is on one of the lines.
    EXPECT_EQ(fixed.CheckClaim(3, 3).status, ClaimStatus::kHolds);
    EXPECT_EQ(fixed.Profile(), (std::vector<int>{kPointsNotApplicable, 2, 3, 3, 4, 4}));
    EXPECT_EQ(fixed.CheckClaim(4, 4).counterexample, (std::vector<int>{1, 2, 3, 5}));
    EXPECT_TRUE(fixed.LinesHoldTheFixedNumbers());
    EXPECT_FALSE(GuaranteeChecker(lines, 6, 3).LinesHoldTheFixedNumbers());
    EXPECT_TRUE(free.LinesHoldTheFixedNumbers());
    // The draw of the fixed numbers alone.
    EXPECT_EQ(fixed.CheckClaim(2, 2).status, ClaimStatus::kHolds);
    EXPECT_EQ(fixed.CheckClaim(3, 2).counterexample, (std::vector<int>{1, 2}));
    const CoverageCount alone = fixed.CountCoverage(3, 2);
    EXPECT_EQ(alone.draws, 1U);
    EXPECT_EQ(alone.uncovered, 1U);
    // More fixed numbers than twenty drawn leave no profile entry to compute.
    EXPECT_EQ(GuaranteeChecker({NumberMask::FirstNumbers(30)}, 30, 21).Profile(),
              std::vector<int>(20, kPointsNotApplicable));
}

TEST(GuaranteeCheckerTest, DrawsAreCountedExactlyOrNotAtAll) {
    // Pascal's triangle, each entry marked once its sum leaves 64 bits.
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    std::vector<std::vector<std::optional<std::uint64_t>>> pascal(91);
    for (int n = 0; n <= 90; ++n) {
        pascal[n].assign(static_cast<std::size_t>(n) + 1, std::uint64_t{1});
        for (int k = 1; k < n; ++k) {
            const auto& a = pascal[n - 1][k - 1];
            const auto& b = pascal[n - 1][k];
            pascal[n][k] = a && b && *a <= kMost - *b ? std::optional<std::uint64_t>(*a + *b) : std::nullopt;
        }
    }
    for (int numbers = 1; numbers <= 90; ++numbers) {
        for (int fixed : {0, 3}) {
            if (fixed > numbers) continue;
            const GuaranteeChecker checker({NumberMask::Of(1)}, numbers, fixed);
            for (int drawn = std::max(1, fixed); drawn <= numbers; ++drawn) {
                EXPECT_EQ(checker.Draws(drawn), pascal[numbers - fixed][drawn - fixed])
                    << drawn << " of " << numbers << ", fixed " << fixed;
            }
        }
    }
    // Nineteen drawn out of ninety are counted; twenty are beyond 64 bits, and so not counted.
    const GuaranteeChecker wide({NumberMask::FirstNumbers(10)}, 90);
    EXPECT_EQ(wide.Draws(19), 14'360'771'909'211'532'200ULL);
    EXPECT_EQ(wide.Draws(20), std::nullopt);
    EXPECT_FALSE(wide.CountCoverage(1, 20).completed);
}

TEST(GuaranteeCheckerTest, ADeadlineStopsTheCount) {
    const auto past = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    EXPECT_FALSE(GuaranteeChecker(CyclicRuns(1), 30).CountCoverage(5, 10, past).completed);
    // As for the claim: every number drawn is counted on 200,000 lines.
    const GuaranteeChecker heavy(CyclicRuns(20000), 30);
    const auto limit = std::chrono::milliseconds(50);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(heavy.CountCoverage(5, 10, start + limit).completed);
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
    EXPECT_THROW(checker.CountCoverage(1, 4), std::invalid_argument);
    EXPECT_THROW(GuaranteeChecker({Line({1, 2, 3})}, 3, -1), std::invalid_argument);
    EXPECT_THROW(GuaranteeChecker({Line({1, 2, 3})}, 3, 4), std::invalid_argument);
    // A draw of two cannot hold three fixed numbers.
    const GuaranteeChecker fixed({Line({1, 2, 3})}, 3, 3);
    EXPECT_THROW(fixed.CheckClaim(1, 2), std::invalid_argument);
    EXPECT_THROW(fixed.GuaranteedPoints(2), std::invalid_argument);
    EXPECT_THROW(fixed.CountCoverage(1, 2), std::invalid_argument);
}

}  // namespace
}  // namespace ordavex
