#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include "combinations/guarantee_tooltip.h"
#include "guarantee/guarantee_tooltip_text.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

QString DescriptionToolTip(test::MainWindowFixture& f) { return f.window->findChild<QLabel*>("lblDesc")->toolTip(); }

// Loads a matrix file through "Matrice"; the check of its guarantee is still running.
void Load(test::MainWindowFixture& f, const std::string& path) {
    f.files.answers.push_back(path);
    test::ModalScript script;
    f.Click("cmdOpenMatrice");
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(" / ").toStdString();
}

QString ToolTipOnceChecked(test::MainWindowFixture& f) {
    auto& check = GuaranteeToolTipCheck::Of(*f.window);
    for (int i = 0; i < 1000 && check.Busy(); ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
    return DescriptionToolTip(f);
}

// Loads a matrix file through "Matrice" and returns the tooltip of the guarantee caption.
QString ToolTipAfterLoading(const std::string& name, const std::string& bytes) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    Load(f, folder.Write(name, bytes));
    EXPECT_EQ(f.state.MatrixNumbers, 6);
    return ToolTipOnceChecked(f);
}

// Thirty cyclic lines of ten over 1..30: the claim of 4 points with 10 drawn needs seconds.
std::string SlowMatrix() {
    std::string text;
    for (int first = 1; first <= 30; ++first) {
        for (int i = 0; i < 10; ++i) text += std::to_string((first + i - 1) % 30 + 1) + (i < 9 ? " " : "\r\n");
    }
    return text;
}

TEST(GuaranteeToolTip, AHoldingClaimIsConfirmed) {
    // Every five of the six numbers form a line: five drawn always give five points.
    const std::string all = "1 2 3 4 5\r\n1 2 3 4 6\r\n1 2 3 5 6\r\n1 2 4 5 6\r\n1 3 4 5 6\r\n2 3 4 5 6";
    EXPECT_EQ(ToolTipAfterLoading("MATRIX05_05_V5_N06.TXT", all), "Garanzia verificata");
}

TEST(GuaranteeToolTip, AnOverclaimingNameIsCorrectedWithTheRealValue) {
    // Two lines over 1..6: some five drawn numbers meet each line in only four.
    const auto tip = ToolTipAfterLoading("MATRIX05_05_V5_N06.TXT", "1 2 3 4 5\r\n2 3 4 5 6");
    EXPECT_TRUE(tip.startsWith("Attenzione")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("4/5")) << tip.toStdString();
}

TEST(GuaranteeToolTip, TheClickDoesNotWaitForTheCheckAndANewerLoadWins) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    Load(f, folder.Write("MATRIX10_10_V4_N30.TXT", SlowMatrix()));
    EXPECT_EQ(DescriptionToolTip(f), kGuaranteeCheckingText) << "the window is free while the check runs";
    Load(f, folder.Write("MATRIX05_05_V5_N06.TXT", "1 2 3 4 5\r\n2 3 4 5 6"));
    EXPECT_TRUE(ToolTipOnceChecked(f).contains("4/5")) << DescriptionToolTip(f).toStdString();
}

}  // namespace
}  // namespace ordavex
