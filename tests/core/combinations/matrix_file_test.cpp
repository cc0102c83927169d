#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/error_number.h"
#include "combinations/matrix_file.h"
#include "test_files.h"

namespace ordavex {
namespace {

// Numbers 1..18 in any order, each at least once, 7 written twice as 07.
const std::string kConsecutive18 = "18 17 16 15 14 13\r\n1 2 3 4 5 6\r\n07 8 9 10 11 12\r\n7 1 2 3 4";
const std::string kGapAt18 = "1 2 3 4 5 6 7 8 9 10\r\n11 12 13 14 15 16 17 19";

TEST(MatrixFileInfo, TellsNumbersItemsAndWhetherConsecutive) {
    const std::pair<std::string, const char*> cases[] = {
        {kConsecutive18, "18,4,True"},
        {kGapAt18, "18,2,Falso"},
        {"2 3 4 5 6 7 8 9 10 11\r\n12 13 14 15 16 17 18 19", "18,2,Falso"},
        {"1 2 3 4 5,,1 2 3 4 5\r\n\r\n", "5,2,True"},  // items end at commas; empty ones are skipped
    };
    test::TempFolder folder;
    const auto openBefore = test::OpenFileCount();
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(MatrixFileInfo(folder.Write("info.txt", bytes)).Text(), text);
    }
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

TEST(LoadMatrixFile, ChecksTheMatrixBeforeLoadingIt) {
    const struct {
        const char* name;
        std::string bytes;
        MatrixLoadOutcome outcome;
        int error;
    } cases[] = {
        {"consecutive 1..18", kConsecutive18, MatrixLoadOutcome::Loaded, 0},
        {"1..17 and 19", kGapAt18, MatrixLoadOutcome::NotConsecutive, 0},
        {"commas split a line", "1,2,3,4,5", MatrixLoadOutcome::Rejected, kErrBadLength},
        {"eleven numbers", "1 2 3 4 5 6 7 8 9 10 11", MatrixLoadOutcome::Rejected, kErrBadLength},
        {"empty", "", MatrixLoadOutcome::Rejected, kErrEmptyFile},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto openBefore = test::OpenFileCount();
        const auto result = LoadMatrixFile(folder.Write("M.TXT", c.bytes));
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
        EXPECT_EQ(test::OpenFileCount(), openBefore) << c.name;
    }
}

TEST(LoadMatrixFile, KeepsItemsAsWrittenAndTheLastLength) {
    test::TempFolder folder;
    const auto result = LoadMatrixFile(folder.Write("matrix10_08_v6.txt.txt", kConsecutive18 + "\r\n"));
    ASSERT_EQ(result.outcome, MatrixLoadOutcome::Loaded);
    const LoadedMatrix& matrix = result.matrix;
    EXPECT_EQ(matrix.name, "MATRIX10_08_V6");
    EXPECT_EQ(matrix.lines, (LineList{"18 17 16 15 14 13", "1 2 3 4 5 6", "07 8 9 10 11 12", "7 1 2 3 4"}));
    EXPECT_EQ(matrix.numbers, 18);
    EXPECT_EQ(matrix.lastLength, 5);
    const MatrixPanelTexts panel = PanelTextsOf(matrix);
    EXPECT_EQ(panel.numbers, "18");
    EXPECT_EQ(panel.combinations, "4");
    EXPECT_EQ(panel.length, "5");
    EXPECT_EQ(panel.fixed, "NO");
    EXPECT_EQ(panel.description, "Garanzia di  6/10  con  8 estratti");
}

TEST(LoadMatrixFile, NinetyNumbersAndSeparators) {
    std::string bytes;
    for (int first = 1; first <= 90; first += 10) {
        for (int k = first; k < first + 10; ++k) bytes += std::to_string(k) + (k % 3 == 0 ? "\t" : ":");
        bytes += "\r";
    }
    test::TempFolder folder;
    const auto result = LoadMatrixFile(folder.Write("NOVANTA.TXT", bytes));
    ASSERT_EQ(result.outcome, MatrixLoadOutcome::Loaded);
    EXPECT_EQ(result.matrix.numbers, 90);
    EXPECT_EQ(result.matrix.lines.size(), 9u);
    EXPECT_EQ(result.matrix.lines[0], "1 2 3 4 5 6 7 8 9 10");
    EXPECT_EQ(PanelTextsOf(result.matrix).description, "Garanzia non indicata nel nome");
}

TEST(LoadMatrixFile, RefusesMoreCombinationsThanAnyMatrixHas) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kMatrixMaxCombinations + 1) * 11);
    for (std::int32_t i = 0; i <= kMatrixMaxCombinations; ++i) bytes += "1 2 3 4 5\r\n";
    test::TempFolder folder;
    const auto openBefore = test::OpenFileCount();
    const auto result = LoadMatrixFile(folder.Write("HUGE.TXT", bytes));
    EXPECT_EQ(result.outcome, MatrixLoadOutcome::TooManyCombinations);
    EXPECT_TRUE(result.matrix.lines.empty());
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace ordavex
