#include <gtest/gtest.h>

#include <QLabel>

#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

// Loads a matrix file through "Matrice" and returns the tooltip of the guarantee caption.
QString ToolTipAfterLoading(const std::string& name, const std::string& bytes) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    f.files.answers.push_back(folder.Write(name, bytes));
    test::ModalScript script;
    f.Click("cmdOpenMatrice");
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(" / ").toStdString();
    EXPECT_EQ(f.state.MatrixNumbers, 6);
    return f.window->findChild<QLabel*>("lblDesc")->toolTip();
}

TEST(GuaranteeToolTip, AHoldingClaimIsConfirmed) {
    // Every five of the six numbers form a line: five drawn always give five points.
    const std::string all = "1 2 3 4 5\r\n1 2 3 4 6\r\n1 2 3 5 6\r\n1 2 4 5 6\r\n1 3 4 5 6\r\n2 3 4 5 6";
    // Then the chance of 5 of the 6 numbers among the 20 drawn:
    // (C(6,5) C(84,15) + C(84,14)) / C(90,20), about 1 in 553.9.
    EXPECT_EQ(ToolTipAfterLoading("MATRIX05_05_V5_N06.TXT", all),
              "Garanzia verificata\nProbabilità che almeno 5 dei 6 numeri siano estratti: 0,181% "
              "(in media 1 estrazione ogni 554)");
}

TEST(GuaranteeToolTip, AnOverclaimingNameIsCorrectedWithTheRealValue) {
    // Two lines over 1..6: some five drawn numbers meet each line in only four.
    const auto tip = ToolTipAfterLoading("MATRIX05_05_V5_N06.TXT", "1 2 3 4 5\r\n2 3 4 5 6");
    EXPECT_TRUE(tip.startsWith("Attenzione")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("4/5")) << tip.toStdString();
}

}  // namespace
}  // namespace ordavex
