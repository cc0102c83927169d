#include <gtest/gtest.h>

#include "app/work_progress.h"
#include "checking/draw_archive.h"
#include "combinations/matrix_file.h"
#include "test_files.h"

namespace ordavex {
namespace {

const std::string kTwenty = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20";

TEST(WorkProgress, CountsThousandthsOfTheExpectedBytesAndStopsOnceCancelled) {
    test::TempFolder folder;
    const auto file = folder.Write("MILLE.TXT", std::string(1000, '1'));
    WorkProgress progress;
    progress.Advance(10);
    EXPECT_EQ(progress.Thousandths(), 0) << "nothing expected: no progress to show";
    progress.ExpectFile(folder.File("MANCA.TXT"));
    EXPECT_EQ(progress.Thousandths(), 0);
    progress.ExpectFile(file, 2);
    EXPECT_EQ(progress.Thousandths(), 5);
    progress.Advance(990);
    EXPECT_EQ(progress.Thousandths(), 500);
    progress.Advance(5000);
    EXPECT_EQ(progress.Thousandths(), 1000) << "a file that grew meanwhile shows no more than the whole";

    EXPECT_FALSE(progress.Cancelled());
    progress.Cancel();
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_THROW(progress.Advance(1), WorkCancelled);
}

TEST(WorkProgress, AMatrixLoadCountsBothReadingsAndACancelLoadsNothing) {
    test::TempFolder folder;
    // Over one chunk of reading, so that the load reads in several steps.
    const auto path = folder.Write("MATRIX05_04_V3_N5.TXT", test::Lines(20000, "1 2 3 4 5"));
    const auto openBefore = test::OpenFileCount();
    WorkProgress whole;
    const MatrixLoadResult loaded = LoadMatrixFile(path, &whole);
    ASSERT_EQ(loaded.outcome, MatrixLoadOutcome::Loaded);
    EXPECT_EQ(loaded.matrix.lines.size(), 20000u);
    EXPECT_EQ(whole.Thousandths(), 1000);

    WorkProgress stopped;
    stopped.Cancel();
    const MatrixLoadResult cancelled = LoadMatrixFile(path, &stopped);
    EXPECT_EQ(cancelled.outcome, MatrixLoadOutcome::Cancelled);
    EXPECT_EQ(cancelled.error, 0);
    EXPECT_TRUE(cancelled.matrix.lines.empty());
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

TEST(WorkProgress, AnArchiveReadingCountsItsBytesAndACancelReadsNothing) {
    test::TempFolder folder;
    const auto path = folder.Write("ARCHIVIO.TXT", test::Lines(3000, kTwenty));
    const auto openBefore = test::OpenFileCount();
    WorkProgress whole;
    const ArchiveReading reading = ReadDrawArchiveFile(path, {}, &whole);
    ASSERT_TRUE(reading.Ok()) << reading.error;
    EXPECT_EQ(reading.draws.size(), 3000u);
    EXPECT_EQ(whole.Thousandths(), 1000);

    WorkProgress stopped;
    stopped.Cancel();
    const ArchiveReading cancelled = ReadDrawArchiveFile(path, {}, &stopped);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.Ok());
    EXPECT_TRUE(cancelled.draws.empty());
    EXPECT_TRUE(cancelled.error.empty());
    EXPECT_EQ(cancelled.errorNumber, 0);
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace ordavex
