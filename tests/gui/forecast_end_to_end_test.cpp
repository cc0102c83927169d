#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

QPushButton* Key(QWidget* window, int n) {
    return window->findChild<QPushButton*>(QString("cmdTastierino(%1)").arg(n));
}

// From a matrix file to the count of the developed system on the main window, through the
// windows only: "Matrice", "Crea Sistema", clicks on the keypad and "SVILUPPA SISTEMA".
TEST(ForecastEndToEnd, LoadPickDevelopAndSeeTheNewCount) {
    test::TempFolder folder;
    const std::string matrix = folder.Write("SM12F2V6-10-6.txt",
                                            "01 02 03 04 05 06 07 08 09 10\r\n"
                                            "03 04 05 06 07 08 09 10 11 12\r\n"
                                            "01 02 03 04 05 06 07 08 11 12\r\n");
    test::MainWindowFixture fixture;
    fixture.state.ReplaceSystem({"01 02 03 04 05"});
    fixture.files.answers.push_back(matrix);
    test::ModalScript script;
    fixture.Click("cmdOpenMatrice");
    ASSERT_EQ(fixture.state.MatrixNumbers, 12) << script.texts.join("; ").toStdString();
    EXPECT_EQ(fixture.state.MatrixCount, 3);
    EXPECT_EQ(fixture.LabelText("lblCatturate"), "1");

    script.Then([](QWidget* window) {
        for (int n : {45, 7}) {
            QTest::mouseClick(Key(window, n), Qt::LeftButton);
            QTest::mouseClick(Key(window, n), Qt::LeftButton);
        }
        for (int n : {3, 12, 20, 33, 41, 56, 60, 71, 88, 90}) QTest::mouseClick(Key(window, n), Qt::LeftButton);
        // Developing opens a message: it is clicked once this step has returned, so that the
        // script meets the message and then this window again, each as a step of its own.
        auto* develop = window->findChild<QPushButton*>("cmdSviluppa");
        QTimer::singleShot(0, [develop] { QTest::mouseClick(develop, Qt::LeftButton); });
    });
    script.AcknowledgeMessage();
    script.Then([](QWidget* window) { window->close(); });
    fixture.Click("cmdAdattaMatrice");

    EXPECT_EQ(script.texts, QStringList{"Sistema creato con successo ..!"});
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join("; ").toStdString();
    EXPECT_EQ(fixture.LabelText("lblCatturate"), "3");
    EXPECT_EQ(
        fixture.state.SystemCombinations,
        (LineList{"03 07 12 20 33 41 45 56 60 71", "03 07 12 20 33 41 45 56 88 90", "03 12 20 33 41 56 60 71 88 90"}));
}

}  // namespace
}  // namespace ordavex
