#include "guarantee/guarantee_claim.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "combinations/matrix_file.h"
#include "combinations/matrix_name.h"
#include "guarantee/guarantee_matrix.h"
#include "guarantee/matrix_generator_output.h"
#include "test_files.h"

namespace ordavex {
namespace {

TEST(GuaranteeClaimTest, ReadsTheClaimFromTheFileName) {
    const struct {
        const char* path;
        std::optional<GuaranteeClaim> claim;
    } cases[] = {
        {"MATRIX10_08_V6_N20.TXT", GuaranteeClaim{10, 8, 6}},
        {"matrix09_07_v5_n18.txt", GuaranteeClaim{9, 7, 5}},
        {"VV/V9/MATRIX06_03_V3_N12.TXT", GuaranteeClaim{6, 3, 3}},  // folders never count
        {"MATRIX10_08_N20.TXT", GuaranteeClaim{10, 8, 1}},          // without a V, one point
        {"MVTRIX10_08_V6.TXT", std::nullopt},                       // the first V decides
        {"MATRIXAB_08_V6.TXT", std::nullopt},
        {"MATRIX10_+8_V6.TXT", std::nullopt},
        {"MATRIX10_0", GuaranteeClaim{10, 0, 1}},
        {"SHORT", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClaimOfNameFields(MatrixNameFields(c.path)), c.claim) << c.path;
    }
}

// A claim with its fixed numbers and the marks of a budget matrix.
GuaranteeClaim Marked(GuaranteeClaim claim, int fixed, int aimedPoints, int budget) {
    claim.fixed = fixed;
    claim.aimedPoints = aimedPoints;
    claim.budget = budget;
    return claim;
}

TEST(GuaranteeClaimTest, ReadsFixedNumbersAndTheMarksOfABudgetMatrix) {
    const struct {
        const char* path;
        GuaranteeClaim claim;
    } cases[] = {
        {"MATRIX10_08_V6_N18_F2.TXT", Marked({10, 8, 6}, 2, 0, 0)},
        {"MATRIX10_08_V5_N20_B40_T6.TXT", Marked({10, 8, 5}, 0, 6, 40)},
        {"MATRIX10_08_V5_N20_F2_B40_T6.TXT", Marked({10, 8, 5}, 2, 6, 40)},
        {"folder_F3_T9/matrix10_08_v5_n20_f3_b120_t6.txt", Marked({10, 8, 5}, 3, 6, 120)},
        // The F field is the one character after the first F: a digit 1..9 or no fixed numbers.
        {"MATRIX10_08_V6_N20_F0.TXT", Marked({10, 8, 6}, 0, 0, 0)},
        {"MATRIX10_08_V6_N20_FX.TXT", Marked({10, 8, 6}, 0, 0, 0)},
        {"MATRIX10_08_V6_N20_F12.TXT", Marked({10, 8, 6}, 1, 0, 0)},
        // A mark counts when a number follows it; the points aimed at are one digit, as V.
        {"MATRIX10_08_V5_N20_TX_T7.TXT", Marked({10, 8, 5}, 0, 7, 0)},
        {"MATRIX10_08_V5_N20_T.TXT", Marked({10, 8, 5}, 0, 0, 0)},
        {"MATRIX10_08_V5_N20_T78_B.TXT", Marked({10, 8, 5}, 0, 7, 0)},
        {"MATRIX10_08_V5_N20_B007.TXT", Marked({10, 8, 5}, 0, 0, 7)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClaimOfMatrixName(c.path), c.claim) << c.path;
        // The name's fields alone carry the fixed numbers, not the marks.
        EXPECT_EQ(ClaimOfNameFields(MatrixNameFields(c.path)), Marked(c.claim, c.claim.fixed, 0, 0)) << c.path;
    }
    EXPECT_EQ(ClaimOfMatrixName("MATRIXAB_08_V6_N20_B40_T6.TXT"), std::nullopt);
}

TEST(GuaranteeClaimTest, GeneratedNamesStateTheirOwnClaim) {
    for (const auto& [numbers, length, drawn, points] :
         std::vector<std::array<int, 4>>{{20, 10, 8, 6}, {12, 6, 3, 3}, {90, 5, 20, 5}, {30, 10, 10, 9}}) {
        const std::string name = ConventionalMatrixName(numbers, length, drawn, points);
        EXPECT_EQ(ClaimOfNameFields(MatrixNameFields(name)), (GuaranteeClaim{length, drawn, points})) << name;
        EXPECT_EQ(MatrixNameFields(name).F, "NO") << name;
    }
    EXPECT_EQ(ConventionalMatrixName(20, 10, 8, 6), "MATRIX10_08_V6_N20.TXT");
    // Fixed numbers and the marks of a budget matrix are read back as they were written.
    for (const int fixed : {0, 2, 9}) {
        for (const auto& marks : {std::optional<BudgetMarks>{}, std::optional<BudgetMarks>{BudgetMarks{40, 6}}}) {
            const std::string name = ConventionalMatrixName(20, 10, 8, 5, fixed, marks);
            EXPECT_EQ(ClaimOfMatrixName(name), Marked({10, 8, 5}, fixed, marks ? 6 : 0, marks ? 40 : 0)) << name;
        }
    }
}

TEST(GuaranteeClaimTest, FileTextIsTheProgramsCombinationFormat) {
    NumberMask first;
    NumberMask second;
    for (int number : {3, 1, 12, 5, 7}) first.Set(number);
    for (int number : {90, 2, 64, 65, 10}) second.Set(number);
    EXPECT_EQ(MatrixFileText({first, second}), "01 03 05 07 12\r\n02 10 64 65 90");
    EXPECT_EQ(MatrixFileText({}), "");
}

TEST(GuaranteeClaimTest, ReadsMatrixLines) {
    const GuaranteeMatrix matrix = ReadGuaranteeMatrix({"01 02 03", "", "3\t4,5.06:7 ", "   "});
    ASSERT_EQ(matrix.lines.size(), 2U);
    EXPECT_EQ(matrix.numbers, 7);
    EXPECT_TRUE(matrix.consecutive);
    EXPECT_EQ(matrix.shortestLine, 3);
    EXPECT_EQ(matrix.longestLine, 5);
    EXPECT_TRUE(matrix.lines[1].Has(6));

    EXPECT_FALSE(ReadGuaranteeMatrix({"1 2 3", "5 6"}).consecutive);
    EXPECT_FALSE(ReadGuaranteeMatrix({"2 3 4"}).consecutive);
    // A number written twice in a line counts once.
    EXPECT_EQ(ReadGuaranteeMatrix({"1 2 2 3"}).longestLine, 3);
    for (const char* bad : {"1 2 0", "1 91", "1 x 3", "1 -2", "1   2", "1 2 3-"}) {
        EXPECT_THROW(ReadGuaranteeMatrix({bad}), std::invalid_argument) << bad;
    }
    EXPECT_THROW(ReadGuaranteeMatrix({"", " "}), std::invalid_argument);
}

// The loader, the check of a loaded matrix and the companion tool read one file alike.
TEST(GuaranteeClaimTest, EveryReaderOfAMatrixReadsItsLinesAlike) {
    const struct {
        const char* bytes;
        bool readable;
    } cases[] = {
        {"0001 02 03 04 05\r\n6 7 8 9 10", true},
        {"+1 2 3 4 5\r\n6 7 8 9 +10", true},
        {"01.02:03\t04 05,6  7 8 9 10", true},
        {"1 2 3 4 5\n\n6 7 8 9 10", true},
        {"1   2 3 4 5 6\r\n7 8 9 10 11", false},
        {"1 2 3 4 5 -0", false},
        {"1 2 3 4 5 99", false},
        {"1 2 3 4 5 6x", false},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto path = folder.Write("MATRIX05_05_V5_N10.TXT", c.bytes);
        const MatrixLoadResult loaded = LoadMatrixFile(path);
        EXPECT_EQ(loaded.outcome == MatrixLoadOutcome::Loaded, c.readable) << c.bytes;
        if (!c.readable) {
            EXPECT_THROW(ReadGuaranteeMatrixFile(path), std::invalid_argument) << c.bytes;
            continue;
        }
        const GuaranteeMatrix fromFile = ReadGuaranteeMatrixFile(path);
        const GuaranteeMatrix fromLoaded = ReadGuaranteeMatrix(loaded.matrix.lines);
        EXPECT_EQ(fromFile.lines, fromLoaded.lines) << c.bytes;
        EXPECT_EQ(fromFile.numbers, loaded.matrix.numbers) << c.bytes;
    }
}

}  // namespace
}  // namespace ordavex
