#include "guarantee/guarantee_tooltip_text.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "combinations/matrix_name.h"
#include "test_files.h"

namespace ordavex {
namespace {

// Two halves of 1..10: p drawn put ceil(p/2) of them on one line, and no more.
const LineList kHalves = {"01 02 03 04 05", "06 07 08 09 10"};

struct VerdictCase {
    const char* name;
    std::string text;
    GuaranteeSign sign;
    std::string failure;
};

void ExpectVerdicts(const LineList& lines, int numbers, const std::vector<VerdictCase>& cases) {
    for (const VerdictCase& c : cases) {
        const GuaranteeVerdict verdict = CheckGuaranteeOfMatrixName(lines, numbers, c.name);
        EXPECT_EQ(verdict.text, c.text) << c.name;
        EXPECT_EQ(verdict.sign, c.sign) << c.name;
        EXPECT_EQ(verdict.failure, c.failure) << c.name;
    }
}

TEST(GuaranteeToolTipTextTest, TellsWhetherTheNamedGuaranteeHolds) {
    using enum GuaranteeSign;
    // Of the 210 draws of 6, those split 4-2 or 5-1 between the halves give 4 points: 110.
    const std::vector<VerdictCase> cases = {
        {"MATRIX05_06_V3_N10.TXT", kGuaranteeVerifiedText, kVerified, ""},
        // A claim below the truth holds as well.
        {"MATRIX05_05_V2_N10.TXT", kGuaranteeVerifiedText, kVerified, ""},
        {"MATRIX05_06_V4_N10.TXT",
         "Attenzione: la garanzia reale è di  3/5  con  6 estratti\n4 punti garantiti nel 52,4% dei casi con 6 "
         "estratti",
         kFalse, "Garanzia non valida: vale 3/5 con 6"},
        // 20 of the 120 draws of 3 fall in one half.
        {"MATRIX05_03_V3_N10.TXT",
         "Attenzione: la garanzia reale è di  2/5  con  3 estratti\n3 punti garantiti nel 16,7% dei casi con 3 "
         "estratti",
         kFalse, "Garanzia non valida: vale 2/5 con 3"},
        {"MATRIX05_10_V9_N10.TXT",
         "Attenzione: la garanzia reale è di  5/5  con  10 estratti\n9 punti garantiti nello 0% dei casi con 10 "
         "estratti",
         kFalse, "Garanzia non valida: vale 5/5 con 10"},
        {"MATRIX05_12_V5_N10.TXT", "Attenzione: la matrice ha solo 10 numeri, meno degli estratti indicati nel nome",
         kFalse, "Garanzia non valida: la matrice ha solo 10 numeri"},
        {"MATRIXAB_03_V3.TXT", kGuaranteeNotStatedText, kNone, ""},
        {"MATRIX05_00_V1.TXT", kGuaranteeNotStatedText, kNone, ""},
    };
    ExpectVerdicts(kHalves, 10, cases);
    // The name's fields alone say the same.
    for (const VerdictCase& c : cases) {
        EXPECT_EQ(CheckNamedGuarantee(kHalves, 10, MatrixNameFields(c.name)).text, c.text) << c.name;
    }
}

TEST(GuaranteeToolTipTextTest, TheShareIsWrittenAsItIsSpoken) {
    using enum GuaranteeSign;
    // One line of 1..5 out of 1..10: 226 of the 252 draws of 5 meet it in 2 numbers or more, 10
    // of the 120 draws of 7 in all five.
    const std::vector<VerdictCase> cases = {
        {"MATRIX05_05_V2_N10.TXT",
         "Attenzione: la garanzia reale è di  0/5  con  5 estratti\n2 punti garantiti nell'89,7% dei casi con 5 "
         "estratti",
         kFalse, "Garanzia non valida: vale 0/5 con 5"},
        {"MATRIX05_07_V5_N10.TXT",
         "Attenzione: la garanzia reale è di  2/5  con  7 estratti\n5 punti garantiti nell'8,3% dei casi con 7 "
         "estratti",
         kFalse, "Garanzia non valida: vale 2/5 con 7"},
        // One of the 252 draws of 5.
        {"MATRIX05_05_V5_N10.TXT",
         "Attenzione: la garanzia reale è di  0/5  con  5 estratti\n5 punti garantiti nello 0,4% dei casi con 5 "
         "estratti",
         kFalse, "Garanzia non valida: vale 0/5 con 5"},
        // 5 of the 10 draws of 1 meet the line: a single point, a single number drawn.
        {"MATRIX05_01_V1_N10.TXT",
         "Attenzione: la garanzia reale è di  0/5  con  1 estratti\n1 punto garantito nel 50,0% dei casi con 1 "
         "estratto",
         kFalse, "Garanzia non valida: vale 0/5 con 1"},
    };
    ExpectVerdicts({"01 02 03 04 05"}, 10, cases);
}

// Two lines over 1..8 that share 1 and 2: a draw of 5 that holds them gives the three others
// to the lines, and one line gets two of them; 2 of the 20 such draws give one line all three.
const LineList kTwoFixed = {"01 02 03 04 05", "01 02 06 07 08"};

TEST(GuaranteeToolTipTextTest, AGuaranteeWithFixedNumbersIsCheckedWhenTheyAreDrawn) {
    using enum GuaranteeSign;
    const std::vector<VerdictCase> cases = {
        {"MATRIX05_05_V4_N08_F2.TXT", "Garanzia verificata se escono le 2 fisse", kVerified, ""},
        {"MATRIX05_05_V5_N08_F2.TXT",
         "Attenzione: la garanzia reale è di  4/5  con  5 estratti se escono le 2 fisse\n"
         "5 punti garantiti nel 10,0% dei casi con 5 estratti se escono le 2 fisse",
         kFalse, "Garanzia non valida: vale 4/5 con 5 se escono le 2 fisse"},
        // Without the condition, 3 4 6 7 and 1 meet each line in three numbers only; 32 of the 56
        // draws of 5 give 4 points.
        {"MATRIX05_05_V4_N08.TXT",
         "Attenzione: la garanzia reale è di  3/5  con  5 estratti\n4 punti garantiti nel 57,1% dei casi con 5 "
         "estratti",
         kFalse, "Garanzia non valida: vale 3/5 con 5"},
        // Draws that hold 1: with 2 as well one line gets 4, without it 3.
        {"MATRIX05_05_V3_N08_F1.TXT", "Garanzia verificata se esce la fissa", kVerified, ""},
        {"MATRIX05_05_V4_N08_F3.TXT", "Attenzione: il nome indica 3 fisse, ma non tutte le righe le contengono", kFalse,
         "Garanzia non valida: non tutte le righe hanno le fisse"},
        {"MATRIX05_02_V2_N08_F3.TXT", "Attenzione: il nome indica più fisse che estratti", kFalse,
         "Garanzia non valida: più fisse che estratti"},
        // Neither a digit nor 1..9: no fixed numbers.
        {"MATRIX05_05_V4_N08_F0.TXT",
         "Attenzione: la garanzia reale è di  3/5  con  5 estratti\n4 punti garantiti nel 57,1% dei casi con 5 "
         "estratti",
         kFalse, "Garanzia non valida: vale 3/5 con 5"},
    };
    ExpectVerdicts(kTwoFixed, 8, cases);
    ExpectVerdicts(
        kHalves, 10,
        {{"MATRIX05_06_V3_N10_F1.TXT", "Attenzione: il nome indica una fissa, ma non tutte le righe la contengono",
          kFalse, "Garanzia non valida: non tutte le righe hanno la fissa"}});
}

TEST(GuaranteeToolTipTextTest, ABudgetMatrixTellsHowOftenItsAimIsReached) {
    using enum GuaranteeSign;
    // Of the 210 draws of 6 out of the halves, 110 give 4 points and 10 (split 5-1) give 5.
    ExpectVerdicts(
        kHalves, 10,
        {
            {"MATRIX05_06_V3_N10_B2_T4.TXT", "Garanzia verificata\n4 punti garantiti nel 52,4% dei casi con 6 estratti",
             kVerified, ""},
            {"MATRIX05_06_V4_N10_B2_T5.TXT",
             "Attenzione: la garanzia reale è di  3/5  con  6 estratti\n4 punti garantiti nel 52,4% dei casi con 6 "
             "estratti\n5 punti garantiti nel 4,8% dei casi con 6 estratti",
             kFalse, "Garanzia non valida: vale 3/5 con 6"},
            // Aiming at what the name claims says it once.
            {"MATRIX05_06_V4_N10_T4.TXT",
             "Attenzione: la garanzia reale è di  3/5  con  6 estratti\n4 punti garantiti nel 52,4% dei casi con 6 "
             "estratti",
             kFalse, "Garanzia non valida: vale 3/5 con 6"},
            {"MATRIX05_06_V3_N10_T3.TXT", "Garanzia verificata\n3 punti garantiti nel 100% dei casi con 6 estratti",
             kVerified, ""},
        });
    // Under fixed numbers, of the 20 draws of 5 that hold 1 and 2, 2 give 5 points.
    ExpectVerdicts(kTwoFixed, 8,
                   {{"MATRIX05_05_V4_N08_F2_B2_T5.TXT",
                     "Garanzia verificata se escono le 2 fisse\n5 punti garantiti nel 10,0% dei casi con 5 estratti se "
                     "escono le 2 fisse",
                     kVerified, ""}});
}

TEST(GuaranteeToolTipTextTest, SaysSoWhenTheDrawsAreTooManyToCount) {
    // One line of 1..10 out of 1..90: 20 drawn can miss it, and C(90, 20) draws do not fit a count.
    std::string line;
    for (int number = 1; number <= 10; ++number) line += std::to_string(number) + " ";
    ExpectVerdicts({line}, 90,
                   {{"MATRIX10_20_V1_N90.TXT",
                     "Attenzione: la garanzia reale è di  0/10  con  20 estratti\nCopertura di 1 punto con 20 estratti "
                     "non calcolata: troppi casi da contare",
                     GuaranteeSign::kFalse, "Garanzia non valida: vale 0/10 con 20"}});
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

TEST(GuaranteeToolTipTextTest, TheLoadedLinesAreCheckedWithTheBudgetMarksOfTheirFileName) {
    const GuaranteeMatrix loaded = ReadGuaranteeMatrix({"01 02 03 04 05", "06 07 08 09 10"});
    const std::string plain = "MATRIX05_06_V3_N10.TXT";
    EXPECT_EQ(CheckNamedGuaranteeOfLoaded(loaded, 10, MatrixNameFields(plain), plain).text, kGuaranteeVerifiedText);
    const std::string budget = "C:\\Matrici\\MATRIX05_06_V3_N10_B2_T4.TXT";
    EXPECT_EQ(CheckNamedGuaranteeOfLoaded(loaded, 10, MatrixNameFields(budget), budget).text,
              "Garanzia verificata\n4 punti garantiti nel 52,4% dei casi con 6 estratti");
    // Four points for six drawn do not hold: some six numbers meet each line in three.
    const std::string tooMuch = "MATRIX05_06_V4_N10.TXT";
    const GuaranteeVerdict verdict = CheckNamedGuaranteeOfLoaded(loaded, 10, MatrixNameFields(tooMuch), tooMuch);
    EXPECT_EQ(verdict.sign, GuaranteeSign::kFalse);
    EXPECT_EQ(verdict.failure, "Garanzia non valida: vale 3/5 con 6");
}

}  // namespace
}  // namespace ordavex
