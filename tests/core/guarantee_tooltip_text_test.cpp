#include "guarantee/guarantee_tooltip_text.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "combinations/matrix_name.h"
#include "test_files.h"

namespace ordavex {
namespace {

// Two halves of 1..10: p drawn put ceil(p/2) of them on one line, and no more.
const LineList kHalves = {"01 02 03 04 05", "06 07 08 09 10"};

TEST(GuaranteeToolTipTextTest, TellsWhetherTheNamedGuaranteeHolds) {
    struct Case {
        const char* name;
        std::string text;
        GuaranteeSign sign;
    };
    using enum GuaranteeSign;
    const std::vector<Case> cases = {
        {"MATRIX05_06_V3_N10.TXT", kGuaranteeVerifiedText, kVerified},
        // A claim below the truth holds as well.
        {"MATRIX05_05_V2_N10.TXT", kGuaranteeVerifiedText, kVerified},
        {"MATRIX05_06_V4_N10.TXT", "Attenzione: la garanzia reale è di  3/5  con  6 estratti", kFalse},
        {"MATRIX05_03_V3_N10.TXT", "Attenzione: la garanzia reale è di  2/5  con  3 estratti", kFalse},
        {"MATRIX05_10_V9_N10.TXT", "Attenzione: la garanzia reale è di  5/5  con  10 estratti", kFalse},
        {"MATRIX05_12_V5_N10.TXT", "Attenzione: la matrice ha solo 10 numeri, meno degli estratti indicati nel nome",
         kFalse},
        {"MATRIXAB_03_V3.TXT", kGuaranteeNotStatedText, kNone},
        {"MATRIX05_00_V1.TXT", kGuaranteeNotStatedText, kNone},
    };
    for (const Case& c : cases) {
        const GuaranteeVerdict verdict = CheckNamedGuarantee(kHalves, 10, MatrixNameFields(c.name));
        EXPECT_EQ(verdict.text, c.text) << c.name;
        EXPECT_EQ(verdict.sign, c.sign) << c.name;
    }
}

TEST(GuaranteeToolTipTextTest, SaysSoWhenTheTimeRunsOut) {
    // Every number of 1..30 is on three of thirty cyclic lines of ten: the check of 4 points with
    // 10 drawn holds only after a long search.
    LineList lines;
    for (int first = 1; first <= 30; ++first) {
        std::string line;
        for (int i = 0; i < 10; ++i) {
            if (i > 0) {
                line += ' ';
            }
            line += std::to_string((first + i - 1) % 30 + 1);
        }
        lines.push_back(line);
    }
    const NameFields fields = MatrixNameFields("MATRIX10_10_V4_N30.TXT");
    const GuaranteeVerdict cut = CheckNamedGuarantee(lines, 30, fields, std::chrono::milliseconds(0));
    EXPECT_EQ(cut.text, kGuaranteeNotCompletedText);
    EXPECT_EQ(cut.sign, GuaranteeSign::kNone);
    EXPECT_EQ(GuaranteeToolTipText(lines, 30, fields, std::chrono::seconds(60)), kGuaranteeVerifiedText);
}

TEST(GuaranteeToolTipTextTest, LinesBeyondTheMatrixNumbersCannotBeChecked) {
    EXPECT_EQ(GuaranteeToolTipText({"01 02 03 04 12"}, 5, MatrixNameFields("MATRIX05_03_V3.TXT")),
              kGuaranteeUnreadableText);
}

TEST(GuaranteeToolTipTextTest, ReadsTheFileAgainAndNoticesAChange) {
    test::TempFolder folder;
    const auto path = folder.Write("MATRIX05_06_V3_N10.TXT", "01 02 03 04 05\r\n06 07 08 09 10");
    const NameFields fields = MatrixNameFields(path);
    EXPECT_EQ(GuaranteeToolTipTextOfFile(path, 2, 10, fields), kGuaranteeVerifiedText);
    EXPECT_EQ(GuaranteeToolTipTextOfFile(path, 3, 10, fields), kGuaranteeUnreadableText) << "not the loaded matrix";
    EXPECT_EQ(GuaranteeToolTipTextOfFile(folder.File("gone.txt"), 2, 10, fields), kGuaranteeUnreadableText);
}

}  // namespace
}  // namespace ordavex
