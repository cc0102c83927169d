#include <gtest/gtest.h>

#include "checking/table_export.h"

namespace ordavex {
namespace {

TEST(TableExport, ASystemBecomesOneRowPerCombinationUnderAHeaderOfItsLongestLine) {
    EXPECT_EQ(SystemCsv({"03 07 12", "45 90 01"}), "N;n1;n2;n3\r\n1;03;07;12\r\n2;45;90;01\r\n");
    // A shorter line leaves its last fields empty, so that every row has as many fields.
    EXPECT_EQ(SystemCsv({"7 1", "1 2 3 4"}), "N;n1;n2;n3;n4\r\n1;7;1;;\r\n2;1;2;3;4\r\n");
    EXPECT_EQ(SystemCsv({}), "N\r\n");
}

TEST(TableExport, TheGeneralTableAndTheWinnersList) {
    EXPECT_EQ(ReportCsv(ReportKind::kGeneral, {"punti 10 ... 0", "punti 05 ... 12"}),
              "Punti;Combinazioni\r\n10;0\r\n05;12\r\n");
    const std::vector<std::string> winners = {"007 ... 01 02 03 ... 3", "1000 ... 04 05 06 07 ... 2"};
    EXPECT_EQ(ReportCsv(ReportKind::kWinners, winners),
              "N;n1;n2;n3;n4;Punti\r\n007;01;02;03;;3\r\n1000;04;05;06;07;2\r\n");
    EXPECT_EQ(WinningCombinations(winners), (LineList{"01 02 03", "04 05 06 07"}));
    EXPECT_EQ(ReportCsv(ReportKind::kWinners, {}), "N;Punti\r\n");
}

}  // namespace
}  // namespace ordavex
