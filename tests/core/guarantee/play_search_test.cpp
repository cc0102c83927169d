#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "brute_force_cover.h"
#include "guarantee/play_search.h"

namespace ordavex {
namespace {

std::uint64_t UncoveredByBruteForce(const std::vector<NumberMask>& lines, const MatrixPlay& play, int points) {
    return test::UncoveredByBruteForce(lines, play.numbers, play.fixed, play.drawn, points);
}

NumberMask UsedNumbers(const std::vector<NumberMask>& lines) {
    NumberMask used;
    for (NumberMask line : lines) used |= line;
    return used;
}

using test::MasksOf;

TEST(PlayMatrixName, StatesTheGuaranteeThatHoldsAndMarksFixedNumbersAndBudget) {
    EXPECT_EQ(PlayMatrixName({20, 10, 0, 8, 6}, 6, 0, true), "MATRIX10_08_V6_N20.TXT");
    EXPECT_EQ(PlayMatrixName({18, 10, 2, 8, 6}, 6, 0, true), "MATRIX10_08_V6_N18_F2.TXT");
    EXPECT_EQ(PlayMatrixName({20, 10, 0, 8, 6}, 5, 40, false), "MATRIX10_08_V5_N20_B40_T6.TXT");
    EXPECT_EQ(PlayMatrixName({9, 5, 1, 5, 4}, 3, 7, false), "MATRIX05_05_V3_N09_F1_B7_T4.TXT");
    EXPECT_EQ(PlayMatrixName({20, 10, 0, 8, 6}, 6, 40, true), "MATRIX10_08_V6_N20.TXT") << "the budget was enough";
}

TEST(ProvePlayLines, TellsWhatTheLinesReallyGuarantee) {
    // Every 3 of 1..7 meet one of these lines in 3 numbers? No: {1, 6, 7} meets each in at most 2.
    const MatrixPlay play{7, 5, 0, 3, 3};
    const auto lines = MasksOf({{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}});
    const PlaySearchOutcome unproved = ProvePlayLines(play, 0, lines);
    EXPECT_FALSE(unproved.failure.empty()) << "without a budget only a complete matrix is kept";
    EXPECT_TRUE(unproved.lines.empty());

    const PlaySearchOutcome budget = ProvePlayLines(play, 2, lines);
    EXPECT_EQ(budget.failure, "");
    EXPECT_FALSE(budget.complete);
    EXPECT_EQ(budget.pointsHeld, 2);
    EXPECT_EQ(budget.name, "MATRIX05_03_V2_N07_B2_T3.TXT");

    const PlaySearchOutcome complete = ProvePlayLines({7, 5, 0, 3, 2}, 0, lines);
    EXPECT_TRUE(complete.complete);
    EXPECT_EQ(complete.name, "MATRIX05_03_V2_N07.TXT");
}

TEST(ProvePlayLines, ChecksAFixedNumbersGuaranteeUnderItsCondition) {
    // 1 fixed: 3 points if 3 drawn, of which 1; the rest must give 2 if 2 of 2..7.
    const auto lines = MasksOf({{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}, {1, 4, 5, 6, 7}});
    const MatrixPlay play{7, 5, 1, 3, 3};
    ASSERT_EQ(UncoveredByBruteForce(lines, play, 3), 0u);
    const PlaySearchOutcome proved = ProvePlayLines(play, 0, lines);
    EXPECT_TRUE(proved.complete);
    EXPECT_EQ(proved.name, "MATRIX05_03_V3_N07_F1.TXT");
    // Without the condition the same lines do not keep it: {2, 4, 6} meets each in at most 2.
    EXPECT_FALSE(ProvePlayLines({7, 5, 0, 3, 3}, 0, lines).complete);
    // A line without the fixed number cannot be a matrix with fixed numbers.
    EXPECT_FALSE(ProvePlayLines(play, 0, MasksOf({{1, 2, 3, 4, 5}, {2, 3, 4, 6, 7}})).failure.empty());
}

PlaySearchOutcome SearchToTheEnd(const PlaySearchSettings& settings) {
    PlaySearch search(settings);
    while (!search.Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return search.Outcome();
}

TEST(PlaySearch, FindsAProvedMatrixWithFixedNumbers) {
    PlaySearchSettings settings;
    settings.play = {12, 6, 2, 5, 4};
    settings.seconds = 2;
    settings.threads = 2;
    const PlaySearchOutcome outcome = SearchToTheEnd(settings);
    ASSERT_EQ(outcome.failure, "");
    ASSERT_FALSE(outcome.lines.empty());
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(UncoveredByBruteForce(outcome.lines, settings.play, 4), 0u);
    EXPECT_EQ(UsedNumbers(outcome.lines), NumberMask::FirstNumbers(12));
    for (NumberMask line : outcome.lines) {
        EXPECT_EQ(line.Count(), 6);
        EXPECT_TRUE(line.Has(1) && line.Has(2));
    }
    EXPECT_GE(outcome.lines.size(), outcome.lowerBound);
    EXPECT_EQ(outcome.name, "MATRIX06_05_V4_N12_F2.TXT");
}

TEST(PlaySearch, ABudgetGivesItsLinesAndTheirExactCoverage) {
    PlaySearchSettings settings;
    settings.play = {14, 6, 0, 4, 4};
    settings.budget = 6;
    settings.seconds = 1;
    const PlaySearchOutcome outcome = SearchToTheEnd(settings);
    ASSERT_EQ(outcome.failure, "");
    ASSERT_FALSE(outcome.lines.empty());
    EXPECT_LE(outcome.lines.size(), 6u);
    EXPECT_FALSE(outcome.complete) << "6 lines cannot cover every 4 of 14";
    EXPECT_EQ(outcome.uncovered, UncoveredByBruteForce(outcome.lines, settings.play, 4));
    EXPECT_EQ(outcome.sets, 1001u);
    EXPECT_EQ(UsedNumbers(outcome.lines), NumberMask::FirstNumbers(14));
    EXPECT_EQ(UncoveredByBruteForce(outcome.lines, settings.play, outcome.pointsHeld), 0u);
    EXPECT_GT(UncoveredByBruteForce(outcome.lines, settings.play, outcome.pointsHeld + 1), 0u);
}

TEST(PlaySearch, AStopEndsAnEndlessSearchWithItsBestMatrix) {
    PlaySearchSettings settings;
    settings.play = {22, 6, 0, 4, 4};
    settings.seconds = std::numeric_limits<double>::infinity();
    PlaySearch search(settings);
    const auto started = std::chrono::steady_clock::now();
    while (search.Progress().bestLines == 0 && std::chrono::steady_clock::now() - started < std::chrono::seconds(30)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GT(search.Progress().bestLines, 0u);
    EXPECT_FALSE(search.Finished());
    search.RequestStop();
    while (!search.Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(search.Outcome().interrupted);
    EXPECT_TRUE(search.Outcome().complete);
    EXPECT_EQ(UncoveredByBruteForce(search.Outcome().lines, settings.play, 4), 0u);
}

}  // namespace
}  // namespace ordavex
