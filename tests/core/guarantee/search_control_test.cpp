#include "guarantee/search_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "guarantee/binomial.h"
#include "guarantee/search_matrix.h"

namespace ordavex {
namespace {

TEST(GuaranteeSearchControlTest, ProgressShowsTheMatrixLastNotedWholeNotOneHalfChanged) {
    GeneratorSettings settings;
    settings.numbers = 12;
    settings.length = 6;
    settings.drawn = 4;
    settings.points = 3;
    settings.progressEvery = 0;
    std::vector<GeneratorProgress> reports;
    settings.progress = [&](const GeneratorProgress& progress) { reports.push_back(progress); };
    SharedSearch shared;
    SearchMatrix matrix(12, 6, 4, 3);
    SearchControl control(settings, shared, true, matrix);
    control.Start();

    // Before the table is filled there is no matrix: none of its lines, every set uncovered.
    control.ReportProgress();
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_EQ(reports.back().lines, 0U);
    EXPECT_EQ(reports.back().uncovered, Binomial(12, 4));

    ASSERT_TRUE(matrix.Prepare());
    for (const int first : {1, 4, 7}) {
        matrix.AddLine(Without(NumberMask::FirstNumbers(first + 5), NumberMask::FirstNumbers(first - 1)));
    }
    control.NoteStartingMatrix();
    const std::size_t uncovered = matrix.UncoveredCount();
    ASSERT_GT(uncovered, 0U);
    ASSERT_LT(uncovered, Binomial(12, 4));

    // A restart takes the lines out and puts others in: until the next note the figures stand.
    matrix.Clear();
    control.ReportProgress();
    EXPECT_EQ(reports.back().lines, 3U);
    EXPECT_EQ(reports.back().uncovered, uncovered);

    // Once the moves have begun, building a start again is such a restart too.
    control.StartSearching();
    matrix.AddLine(NumberMask::FirstNumbers(6));
    control.NoteStartingMatrix();
    control.ReportProgress();
    EXPECT_EQ(reports.back().lines, 3U);
    control.NoteMatrix();
    control.ReportProgress();
    EXPECT_EQ(reports.back().lines, 1U);
    EXPECT_EQ(reports.back().uncovered, matrix.UncoveredCount());
    EXPECT_TRUE(reports.back().searching);
}

}  // namespace
}  // namespace ordavex
