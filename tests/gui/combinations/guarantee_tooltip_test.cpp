#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "combinations/guarantee_tooltip.h"
#include "combinations/matrix_name.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

// What the main window shows of a matrix's guarantee once it has loaded.
struct Shown {
    QString descriptionTip;
    bool signVisible = false;
    QString signTip;
};

QString DescriptionToolTip(test::MainWindowFixture& f) { return f.window->findChild<QLabel*>("lblDesc")->toolTip(); }

// Loads a matrix file through "Matrice"; the check of its guarantee may still be running.
void Load(test::MainWindowFixture& f, const std::string& path) {
    f.files.answers.push_back(path);
    test::ModalScript script;
    f.Click("cmdOpenMatrice");
}

void WaitForTheCheck(test::MainWindowFixture& f) {
    auto& check = GuaranteeToolTipCheck::Of(*f.window);
    for (int i = 0; i < 1000 && check.Busy(); ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
}

Shown AfterLoading(test::MainWindowFixture& f, const std::string& name, const std::string& bytes) {
    test::TempFolder folder;
    Load(f, folder.Write(name, bytes));
    EXPECT_EQ(f.state.MatrixNumbers, 6);
    WaitForTheCheck(f);
    const auto* sign = f.window->findChild<QLabel*>("imgGaranzia");
    return {f.window->findChild<QLabel*>("lblDesc")->toolTip(), sign->isVisible(), sign->toolTip()};
}

// Every five of the six numbers form a line: five drawn always give five points.
const std::string kAllFives = "1 2 3 4 5\r\n1 2 3 4 6\r\n1 2 3 5 6\r\n1 2 4 5 6\r\n1 3 4 5 6\r\n2 3 4 5 6";
// Two lines over 1..6: some five drawn numbers meet each line in only four.
const std::string kTwoLines = "1 2 3 4 5\r\n2 3 4 5 6";

TEST(GuaranteeSign, ShowsAtAGlanceWhetherTheNameHolds) {
    test::MainWindowFixture f;
    auto* description = f.window->findChild<QLabel*>("lblDesc");
    const QRect place = description->geometry();
    const QFont font = description->font();
    const QPalette palette = description->palette();

    const Shown holding = AfterLoading(f, "MATRIX05_05_V5_N06.TXT", kAllFives);
    // Then the chance of 5 of the 6 numbers among the 20 drawn:
    // (C(6,5) C(84,15) + C(84,14)) / C(90,20), about 1 in 553.9.
    EXPECT_EQ(holding.descriptionTip,
              "Garanzia verificata\nProbabilità che almeno 5 dei 6 numeri siano estratti: 0,181% "
              "(in media 1 estrazione ogni 554)");
    EXPECT_TRUE(holding.signVisible);
    EXPECT_EQ(holding.signTip, holding.descriptionTip);

    const Shown overclaiming = AfterLoading(f, "MATRIX05_05_V5_N06.TXT", kTwoLines);
    EXPECT_TRUE(overclaiming.descriptionTip.startsWith("Attenzione")) << overclaiming.descriptionTip.toStdString();
    EXPECT_TRUE(overclaiming.descriptionTip.contains("4/5")) << overclaiming.descriptionTip.toStdString();
    EXPECT_TRUE(overclaiming.signVisible);
    EXPECT_EQ(overclaiming.signTip, overclaiming.descriptionTip);

    // A name that states no guarantee leaves nothing to confirm or deny.
    const Shown unstated = AfterLoading(f, "SEI.TXT", kTwoLines);
    EXPECT_FALSE(unstated.signVisible);

    // The sign stands beside the description, which keeps its place, font and colours.
    const auto* sign = f.window->findChild<QLabel*>("imgGaranzia");
    EXPECT_EQ(sign->parentWidget(), description->parentWidget());
    EXPECT_FALSE(sign->geometry().intersects(description->geometry()));
    EXPECT_TRUE(description->parentWidget()->rect().contains(sign->geometry()));
    EXPECT_EQ(description->geometry(), place);
    EXPECT_EQ(description->font(), font);
    EXPECT_EQ(description->palette(), palette);
}

// The five lines of 1..6 that hold 1: five drawn that hold 1 are one of them.
const std::string kFivesWithOne = "1 2 3 4 5\r\n1 2 3 4 6\r\n1 2 3 5 6\r\n1 2 4 5 6\r\n1 3 4 5 6";

TEST(GuaranteeSign, TellsTheConditionOfFixedNumbersAndHowOftenAnAimIsReached) {
    test::MainWindowFixture f;
    const Shown fixed = AfterLoading(f, "MATRIX05_05_V5_N06_F1.TXT", kFivesWithOne);
    EXPECT_TRUE(fixed.descriptionTip.startsWith("Garanzia verificata se esce la fissa\n"))
        << fixed.descriptionTip.toStdString();
    EXPECT_TRUE(fixed.signVisible);
    // Without the fixed number, 2 3 4 5 6 is the one draw of six that no line holds.
    const Shown unfixed = AfterLoading(f, "MATRIX05_05_V5_N06.TXT", kFivesWithOne);
    EXPECT_TRUE(
        unfixed.descriptionTip.startsWith("Attenzione: la garanzia reale è di  4/5  con  5 estratti\n"
                                          "5 punti garantiti nell'83,3% dei casi con 5 estratti\n"))
        << unfixed.descriptionTip.toStdString();
    // 4 points hold; 5 only for 1 2 3 4 5 and 2 3 4 5 6, two draws of six.
    const Shown budget = AfterLoading(f, "MATRIX05_05_V4_N06_B2_T5.TXT", kTwoLines);
    EXPECT_TRUE(
        budget.descriptionTip.startsWith("Garanzia verificata\n5 punti garantiti nel 33,3% dei casi con 5 estratti\n"))
        << budget.descriptionTip.toStdString();
}

TEST(GuaranteeSign, TheVerdictCarriesTheShortTextOfAGuaranteeThatFails) {
    QObject window;
    GuaranteeToolTipCheck check(&window);
    std::vector<GuaranteeVerdict> shown;
    const std::string name = "MATRIX05_05_V5_N06.TXT";
    auto lines = std::make_shared<const GuaranteeMatrix>(ReadGuaranteeMatrix({"1 2 3 4 5", "2 3 4 5 6"}));
    check.Start(lines, 6, MatrixNameFields(name), name, [&shown](const GuaranteeVerdict& v) { shown.push_back(v); });
    for (int i = 0; i < 1000 && check.Busy(); ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0].failure, "");
    EXPECT_EQ(shown[1].sign, GuaranteeSign::kFalse);
    EXPECT_EQ(shown[1].failure, "Garanzia non valida: vale 4/5 con 5");
}

// Thirty cyclic lines of ten over 1..30: the claim of 4 points with 10 drawn needs seconds.
std::string SlowMatrix() {
    std::string text;
    for (int first = 1; first <= 30; ++first) {
        for (int i = 0; i < 10; ++i) text += std::to_string((first + i - 1) % 30 + 1) + (i < 9 ? " " : "\r\n");
    }
    return text;
}

TEST(GuaranteeSign, TheClickDoesNotWaitForTheCheckAndANewerLoadWins) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    Load(f, folder.Write("MATRIX10_10_V4_N30.TXT", SlowMatrix()));
    EXPECT_TRUE(DescriptionToolTip(f).startsWith(kGuaranteeCheckingText)) << "the window is free while the check runs";
    Load(f, folder.Write("MATRIX05_05_V5_N06.TXT", kTwoLines));
    WaitForTheCheck(f);
    EXPECT_TRUE(DescriptionToolTip(f).contains("4/5")) << DescriptionToolTip(f).toStdString();
}

TEST(GuaranteeSign, ACheckThatThrowsIsToldAsFailedAndTheProgramGoesOn) {
    QObject window;
    auto* check = new GuaranteeToolTipCheck(
        &window, [](const GuaranteeMatrix&, int, const NameFields&, const std::string&) -> GuaranteeVerdict {
            throw std::bad_alloc();
        });
    std::vector<std::string> shown;
    const auto record = [&shown](const GuaranteeVerdict& v) { shown.push_back(v.text); };
    check->Start(std::make_shared<const GuaranteeMatrix>(), 6, {}, "MATRIX05_05_V5_N06.TXT", record);
    for (int i = 0; i < 1000 && check->Busy(); ++i) QTest::qWait(10);
    // Lines that could not be made for the check are told the same way.
    check->Start(nullptr, 6, {}, "MATRIX05_05_V5_N06.TXT", record);
    for (int i = 0; i < 1000 && check->Busy(); ++i) QTest::qWait(10);
    EXPECT_EQ(shown, (std::vector<std::string>{kGuaranteeCheckingText, kGuaranteeFailedText, kGuaranteeCheckingText,
                                               kGuaranteeFailedText}));
}

TEST(GuaranteeSign, TheCheckReadsTheLinesLoadedNotTheFileAsItIsAfterwards) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    // The check of this window records what it is given and waits until the file has changed.
    std::vector<NumberMask> checked;
    std::string checkedName;
    std::atomic<bool> fileChanged{false};
    new GuaranteeToolTipCheck(f.window.get(), [&](const GuaranteeMatrix& matrix, int matrixNumbers,
                                                  const NameFields& fields, const std::string& fileName) {
        while (!fileChanged) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        checked = matrix.lines;
        checkedName = fileName;
        return CheckNamedGuaranteeOfLoaded(matrix, matrixNumbers, fields, fileName);
    });
    const std::string path = folder.Write("MATRIX05_05_V5_N06.TXT", kAllFives);
    Load(f, path);
    folder.Write("MATRIX05_05_V5_N06.TXT", kTwoLines);
    fileChanged = true;
    WaitForTheCheck(f);
    const std::vector<std::string> allFives{"1 2 3 4 5", "1 2 3 4 6", "1 2 3 5 6",
                                            "1 2 4 5 6", "1 3 4 5 6", "2 3 4 5 6"};
    EXPECT_EQ(checked, ReadGuaranteeMatrix(allFives).lines);
    EXPECT_EQ(checkedName, path);
    EXPECT_EQ(DescriptionToolTip(f).toStdString().rfind(kGuaranteeVerifiedText, 0), 0u)
        << DescriptionToolTip(f).toStdString();
}

TEST(MatrixPanel, ScreenReadersHearTheValuesAndWhatTheyAre) {
    test::MainWindowFixture f;
    AfterLoading(f, "MATRIX05_05_V5_N06.TXT", kAllFives);
    const char* labels[] = {"lblNumeri", "lblCombinazioni", "lblLunghezza", "lblFisse", "lblCatturate", "lblDesc"};
    for (const char* name : labels) {
        auto* label = f.window->findChild<QLabel*>(name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(accessible, nullptr) << name;
        EXPECT_EQ(accessible->text(QAccessible::Name), label->text()) << name;
        EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(f.LabelText("lblNumeri"), "6");
}

TEST(MatrixPanel, EveryDescriptionFitsItsLabelInTheFontsUsed) {
    test::MainWindowFixture f;
    const auto* description = f.window->findChild<QLabel*>("lblDesc");
    QStringList texts{description->text(), QString::fromStdString(GuaranteeCaption(MatrixNameFields("SEI.TXT")))};
    // Each field at its widest: two characters for the numbers per line and drawn, one for the points.
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string two(2, digit);
        const auto name = "MATRIX" + two + "_" + two + "_V" + digit + ".TXT";
        texts << QString::fromStdString(GuaranteeCaption(MatrixNameFields(name)));
    }
    const QFontMetrics metrics(description->font());
    for (const QString& text : texts) {
        EXPECT_LE(metrics.horizontalAdvance(text), description->contentsRect().width()) << text.toStdString();
    }
}

}  // namespace
}  // namespace ordavex
