#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program_folders.h"
#include "brute_force_cover.h"
#include "combinations/su_misura_window.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::MainWindowFixture;
using test::ModalScript;

constexpr int kSearchWaitMs = 60'000;

QSpinBox* Spin(QWidget* w, const char* name) { return w->findChild<QSpinBox*>(name); }
QString Text(QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }
QPushButton* Button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }

struct Play {
    int numbers, length, fixed, points, drawn, budget;
};

void StatePlay(QWidget* w, const Play& play) {
    Spin(w, "spnLunghezza")->setValue(play.length);
    Spin(w, "spnNumeri")->setValue(play.numbers);
    Spin(w, "spnFisse")->setValue(play.fixed);
    Spin(w, "spnEstratti")->setValue(play.drawn);
    Spin(w, "spnPunti")->setValue(play.points);
    Spin(w, "spnBudget")->setValue(play.budget);
}

// Every 5 of 1..7: 3 points whenever 3 are drawn.
std::string AllFivesOfSeven() {
    std::string text;
    for (int skipA = 1; skipA <= 7; ++skipA) {
        for (int skipB = skipA + 1; skipB <= 7; ++skipB) {
            for (int n = 1; n <= 7; ++n) {
                if (n != skipA && n != skipB) text += std::to_string(n) + " ";
            }
            text += "\r\n";
        }
    }
    return text;
}

// Draws of 1..N holding 1..F and p - F more, that no line meets in t numbers.
std::uint64_t UncoveredDraws(const LineList& lines, int numbers, int fixed, int drawn, int points) {
    std::vector<NumberMask> masks;
    for (const auto& line : lines) {
        NumberMask mask;
        std::istringstream in(line);
        for (int n; in >> n;) mask.Set(n);
        masks.push_back(mask);
    }
    return test::UncoveredByBruteForce(masks, numbers, fixed, drawn, points);
}

std::string ShippedMatrices(const MainWindowFixture& f) { return StartFolder(f.context.folders, kMatricesFolder); }
std::string OwnMatrices(const MainWindowFixture& f) { return UserMatricesFolder(f.context.folders); }

void Write(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(std::filesystem::path(folder) / name, std::ios::binary) << bytes;
}

TEST(SuMisuraButton, StandsInFreeSpaceInTheStyleOfTheCommandButtons) {
    MainWindowFixture f;
    auto* button = f.window->findChild<QToolButton*>("cmdSuMisura");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Su misura");
    EXPECT_EQ(button->toolTip(), "Matrice su misura: scegli o genera");
    const auto* model = f.window->findChild<QToolButton*>("cmdOpenFile");
    EXPECT_EQ(button->size(), model->size());
    EXPECT_EQ(button->font(), model->font());
    const QRect place(button->mapTo(f.window.get(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(f.window->rect().contains(place));
    for (const char* other : {"Image2", "Frame3", "Frame4", "Frame1(1)"}) {
        auto* widget = f.window->findChild<QWidget*>(other);
        const QRect otherPlace(widget->mapTo(f.window.get(), QPoint(0, 0)), widget->size());
        EXPECT_FALSE(place.intersects(otherPlace)) << other;
    }
}

TEST(SuMisuraWindow, ShowsThePlaysFactsAndLoadsTheMatrixPickedFromTheLibrary) {
    MainWindowFixture f;
    Write(ShippedMatrices(f), "MATRIX05_03_V3_N07.TXT", AllFivesOfSeven());
    Write(OwnMatrices(f), "MATRIX05_03_V2_N07.TXT", "1 2 3 4 5\r\n3 4 5 6 7\r\n");
    f.state.ForecastStates[5] = 1;
    f.state.ForecastCount = 1;
    ModalScript script;
    script.Then([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmSuMisura");
        StatePlay(w, {7, 5, 0, 3, 3, 0});
        EXPECT_EQ(Text(w, "lblMigliore"), "Matrice più piccola disponibile: 21 combinazioni (MATRIX05_03_V3_N07.TXT)");
        EXPECT_EQ(Text(w, "lblRifiuto"), "");
        EXPECT_TRUE(Text(w, "lblLimite").startsWith("Limite inferiore dimostrato: "))
            << Text(w, "lblLimite").toStdString();
        EXPECT_TRUE(Text(w, "lblProbabilita").contains("almeno 3 dei 7 numeri"));
        auto* table = w->findChild<QTableWidget*>("lstLibreria");
        ASSERT_EQ(table->rowCount(), 2);
        table->sortItems(2, Qt::AscendingOrder);
        EXPECT_EQ(table->item(0, 2)->text(), "2");
        EXPECT_EQ(table->item(1, 2)->text(), "21");
        table->sortItems(0, Qt::DescendingOrder);
        EXPECT_EQ(table->item(0, 0)->text(), "3 se 3");
        StatePlay(w, {7, 5, 0, 2, 3, 0});
        EXPECT_EQ(Text(w, "lblMigliore"), "Matrice più piccola disponibile: 2 combinazioni (MATRIX05_03_V2_N07.TXT)");
        StatePlay(w, {7, 5, 1, 2, 3, 0});
        EXPECT_EQ(Text(w, "lblMigliore"), "Matrice più piccola disponibile: nessuna");
        EXPECT_TRUE(Text(w, "lblProbabilita").contains("le 1 fisse e almeno 2 degli altri 6"));
        // Picking the 21-line matrix in the table loads it, whatever the play shown.
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 2)->text() == "21") table->selectRow(row);
        }
        Button(w, "cmdCarica")->click();
    });
    f.Click("cmdSuMisura");
    ASSERT_TRUE(test::WaitUntilNoModalWindow());
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(f.state.MatrixName, "MATRIX05_03_V3_N07");
    EXPECT_EQ(f.state.MatrixCount, 21);
    EXPECT_EQ(f.state.ForecastCount, 0) << "the forecast is cleared as by Matrice";
    EXPECT_EQ(f.LabelText("lblCombinazioni"), "21");
    EXPECT_EQ(f.LabelText("lblDesc"), "Garanzia di  3/5  con  3 estratti");
}

struct RefusedPlay {
    const char* why;
    Play play;
};

TEST(SuMisuraWindow, RefusesImpossiblePlaysBeforeAnyWork) {
    const RefusedPlay cases[] = {
        {"k above N", {8, 10, 0, 5, 6, 0}},
        {"p above N", {12, 10, 0, 6, 13, 0}},
        {"t above p", {20, 10, 0, 6, 5, 0}},
        {"F above p", {20, 10, 3, 1, 2, 0}},
        {"a table beyond memory", {90, 10, 0, 6, 20, 0}},
        {"a budget that cannot use every number", {30, 10, 0, 6, 8, 2}},
    };
    for (const RefusedPlay& c : cases) {
        MainWindowFixture f;
        ModalScript script;
        QString refusal;
        script.Then([&](QWidget* w) {
            StatePlay(w, c.play);
            refusal = Text(w, "lblRifiuto");
            Button(w, "cmdGenera")->click();
        });
        script.PressMessageButton();
        script.Then([&](QWidget* w) {
            EXPECT_FALSE(static_cast<SuMisuraWindow*>(w)->Searching()) << c.why;
            w->close();
        });
        f.Click("cmdSuMisura");
        ASSERT_TRUE(test::WaitUntilNoModalWindow()) << c.why;
        EXPECT_FALSE(refusal.isEmpty()) << c.why;
        EXPECT_EQ(script.texts, QStringList{refusal}) << c.why;
        EXPECT_FALSE(f.state.HasMatrix()) << c.why;
    }
}

// Starts a search and stops it once it has a complete matrix; the longest wait of a 10 ms timer on
// the window's thread meanwhile goes into `longestGapMs`.
void SearchUntilFirstMatrixThenStop(QWidget* w, qint64& longestGapMs) {
    auto* window = static_cast<SuMisuraWindow*>(w);
    w->findChild<QComboBox*>("cboTempo")->setCurrentIndex(4);  // until stopped
    Button(w, "cmdGenera")->click();
    ASSERT_TRUE(window->Searching());
    EXPECT_FALSE(Button(w, "cmdGenera")->isEnabled());
    QElapsedTimer gap;
    gap.start();
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { longestGapMs = std::max(longestGapMs, gap.restart()); });
    ticks.start(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Text(w, "lblTrovata").contains("nessuna"); }, kSearchWaitMs));
    EXPECT_TRUE(Text(w, "lblTempo").startsWith("Tempo: "));
    Button(w, "cmdFerma")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Searching(); }, kSearchWaitMs));
}

TEST(SuMisuraWindow, GeneratesAProvedMatrixIntoThePlayersOwnFolderAndLoadsIt) {
    MainWindowFixture f(false);  // installed: the player's folder is under the documents
    ASSERT_TRUE(std::filesystem::is_directory(OwnMatrices(f)));
    ModalScript script;
    qint64 longestGapMs = 0;
    QString outcome;
    script.Then([&](QWidget* w) {
        static_cast<SuMisuraWindow*>(w)->UseSeed(1);
        StatePlay(w, {16, 6, 1, 4, 5, 0});
        SearchUntilFirstMatrixThenStop(w, longestGapMs);
        outcome = Text(w, "lblEsitoRicerca");
        w->close();
    });
    f.Click("cmdSuMisura");
    ASSERT_TRUE(test::WaitUntilNoModalWindow());
    EXPECT_EQ(script.Pending(), 0u);
    const std::string written = OwnMatrices(f) + "MATRIX06_05_V4_N16_F1.TXT";
    ASSERT_TRUE(std::filesystem::exists(written)) << outcome.toStdString();
    EXPECT_TRUE(outcome.contains("Caricata come matrice attuale")) << outcome.toStdString();
    EXPECT_EQ(f.state.MatrixName, "MATRIX06_05_V4_N16_F1");
    EXPECT_EQ(f.state.MatrixNumbers, 16);
    EXPECT_EQ(UncoveredDraws(f.state.MatrixCombinations, 16, 1, 5, 4), 0u);
    for (const auto& line : f.state.MatrixCombinations) EXPECT_TRUE(line.starts_with("01 ")) << line;
    EXPECT_LT(longestGapMs, 100) << "the window must answer within 100 ms during a search";
}

TEST(SuMisuraWindow, NeverReplacesAMatrixOfTheSameNameThatIsNoLarger) {
    MainWindowFixture f;
    const std::string earlier = "1 2 3 4 5 6\r\n7 8 9 10 11 12";
    Write(OwnMatrices(f), "MATRIX06_03_V3_N12.TXT", earlier);
    ModalScript script;
    qint64 longestGapMs = 0;
    QString outcome;
    script.Then([&](QWidget* w) {
        StatePlay(w, {12, 6, 0, 3, 3, 0});
        SearchUntilFirstMatrixThenStop(w, longestGapMs);
        outcome = Text(w, "lblEsitoRicerca");
        w->close();
    });
    f.Click("cmdSuMisura");
    ASSERT_TRUE(test::WaitUntilNoModalWindow());
    EXPECT_EQ(test::ReadBytes(OwnMatrices(f) + "MATRIX06_03_V3_N12.TXT"), earlier);
    EXPECT_TRUE(outcome.startsWith("Conservata la matrice già presente MATRIX06_03_V3_N12.TXT (2 combinazioni)"))
        << outcome.toStdString();
    EXPECT_EQ(f.state.MatrixCount, 2) << "the kept matrix is the one loaded";
    // Its name promises 3 points if 3 of 12 are drawn; two halves of 1..12 give 2: two of any three
    // drawn numbers share a half.
    auto* warning = f.window->findChild<QLabel*>("lblGaranziaNonValida");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !warning->text().isEmpty(); }, kSearchWaitMs));
    EXPECT_EQ(warning->text(), "Garanzia non valida: vale 2/6 con 3");
    EXPECT_EQ(f.LabelText("lblDesc"), "Garanzia di  3/6  con  3 estratti") << "lblDesc keeps its own text";
}

TEST(SuMisuraWindow, ClosingDuringASearchAsksAndKeepsTheBestMatrix) {
    MainWindowFixture f;
    ModalScript script;
    SuMisuraWindow* window = nullptr;
    script.Then([&](QWidget* w) {
        window = static_cast<SuMisuraWindow*>(w);
        StatePlay(w, {22, 6, 0, 4, 4, 0});
        w->findChild<QComboBox*>("cboTempo")->setCurrentIndex(4);
        Button(w, "cmdGenera")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Text(w, "lblTrovata").contains("nessuna"); }, kSearchWaitMs));
        w->close();
    });
    script.PressMessageButton(1);  // "NO": the search goes on
    script.Then([&](QWidget* w) {
        EXPECT_TRUE(window->Searching());
        w->close();
    });
    script.PressMessageButton(2);  // "SI"
    f.Click("cmdSuMisura");
    ASSERT_TRUE(test::WaitUntilNoModalWindow());
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_EQ(script.texts.size(), 2);
    EXPECT_EQ(script.texts[0], "Interrompere la ricerca? La matrice migliore trovata sarà conservata.");
    EXPECT_FALSE(window->Searching());
    EXPECT_EQ(f.state.MatrixName, "MATRIX06_04_V4_N22");
    EXPECT_EQ(UncoveredDraws(f.state.MatrixCombinations, 22, 0, 4, 4), 0u);
}

}  // namespace
}  // namespace ordavex
