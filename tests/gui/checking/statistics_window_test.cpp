#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "checking/number_chart.h"
#include "gui_harness.h"
#include "lottery/draw_size.h"
#include "test_files.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

QPushButton* Button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }
void Click(QWidget* window, const char* name) { QTest::mouseClick(Button(window, name), Qt::LeftButton); }
QString Text(QWidget* window, const char* name) { return window->findChild<QLabel*>(name)->text(); }
void Close(QWidget* window) { qobject_cast<QDialog*>(window)->close(); }
QTableView* Table(QWidget* window) { return window->findChild<QTableView*>("tblNumeri"); }
NumberChart* Chart(QWidget* window) { return window->findChild<NumberChart*>("chart"); }

// Runs an action once the current script step has returned, so that a window it opens is a step of its own.
void Later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

// Draw i holds the 20 numbers that follow 20 * i round the ninety: every number comes out 10
// times in 45 draws. The last draws hold 71..90, 51..70, 31..50, 11..30, then 81..90 with 1..10,
// so their delays are 0, 1, 2, 3 and 4.
std::string CyclingArchive() {
    std::string text = "# prova\r\n";
    for (int i = 0; i < 45; ++i) {
        for (int k = 0; k < kNumbersPerDraw; ++k) {
            text += std::to_string((20 * i + k) % kHighestNumber + 1);
            text += k + 1 < kNumbersPerDraw ? " " : "\r\n";
        }
    }
    return text;
}

bool WaitForStatistics(QWidget* window) {
    return QTest::qWaitFor([window] { return Table(window)->model()->rowCount() == kHighestNumber; }, 20000);
}

// The texts of the row of `number`, column by column.
QStringList RowOf(QWidget* window, int number) {
    const auto* model = Table(window)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toInt() != number) continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        return cells;
    }
    return {};
}

QList<int> NumbersInRows(QWidget* window, int from, int to) {
    QList<int> numbers;
    for (int row = from; row < to; ++row) numbers << Table(window)->model()->index(row, 0).data().toInt();
    return numbers;
}

void ClickHeader(QWidget* window, int column) {
    QHeaderView* header = Table(window)->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, 5));
}

struct BarsSeen {
    int bars = 0;
    int marked = 0;  // drawn in the colour of the marked numbers (reddish rather than bluish)
};

// Counts the bars in a picture of the chart along the row of pixels just above the axis: each run
// of strongly coloured pixels is one bar; the white ground, the grid and the band of the selected
// numbers are all pale.
BarsSeen CountBarsInPicture(const NumberChart& chart, double scale) {
    const QImage picture = chart.Render(scale);
    const auto bars = chart.BarRects();
    BarsSeen seen;
    if (bars.empty()) return seen;
    const int y = static_cast<int>((bars.front().bottom() - 0.5) * scale);
    const int from = static_cast<int>(bars.front().left() * scale);
    const int to = static_cast<int>(bars.back().right() * scale);
    bool inBar = false;
    for (int x = from; x <= to; ++x) {
        const QColor pixel = picture.pixelColor(x, y);
        const bool strong = std::min({pixel.red(), pixel.green(), pixel.blue()}) < 150;
        if (strong && !inBar) {
            ++seen.bars;
            seen.marked += pixel.red() > pixel.blue() ? 1 : 0;
        }
        inBar = strong;
    }
    return seen;
}

// The draw check opened from the main window, the archive window from it, and the statistics
// from there, on the cycling archive.
struct ArchiveRoad {
    ArchiveRoad() {
        f.state.ReplaceSystem(test::SystemOverOneToTwenty());
        f.files.answers.push_back(folder.Write("CICLO.TXT", CyclingArchive()));
        script.Then([](QWidget* w) { Click(w, "cmdArchivio"); });
        script.Then([](QWidget* w) {
            Click(w, "cmdScegliArchivio");
            Click(w, "cmdStatistiche");
        });
    }
    void Run() {
        script.Then(Close);  // the archive window
        script.Then(Close);  // the draw check
        f.Click("cmdSpoglio");
        EXPECT_EQ(script.Pending(), 0u);
    }
    test::TempFolder folder;
    test::MainWindowFixture f;
    test::ModalScript script;
};

TEST(StatisticsWindow, FromTheArchiveWindowShowsEveryNumberSortsByDelayAndChartsNinetyBars) {
    ArchiveRoad a;
    const std::string image = (a.folder.Path() / "grafico").string();
    a.f.files.answers.push_back(image);
    a.script.Then([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmStatistiche");
        EXPECT_EQ(w->windowTitle(), ProductTitle() + " - Statistiche");
        EXPECT_FALSE(Button(w, "cmdScegliArchivio")->isVisible());
        ASSERT_TRUE(WaitForStatistics(w));
        EXPECT_TRUE(Text(w, "lblArchivio").startsWith("CICLO.TXT: 45 estrazioni"));
        EXPECT_EQ(Text(w, "lblIntervallo"), "Statistiche su 45 estrazioni: da estrazione 1 a estrazione 45");
        EXPECT_EQ(RowOf(w, 75), (QStringList{"75", "10", "22,22%", "0", "4", "4,50"}));
        EXPECT_EQ(RowOf(w, 1), (QStringList{"01", "10", "22,22%", "4", "4", "4,50"}));
        EXPECT_EQ(RowOf(w, 60), (QStringList{"60", "10", "22,22%", "1", "4", "4,50"}));

        // A first click on "Ritardo" puts the longest delays on top, equal ones by number.
        ClickHeader(w, 3);
        EXPECT_EQ(NumbersInRows(w, 0, 12), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        EXPECT_EQ(NumbersInRows(w, 89, 90), QList<int>{90});
        ClickHeader(w, 3);
        EXPECT_EQ(NumbersInRows(w, 0, 2), (QList<int>{71, 72}));

        // Every number came out: 90 bars, the 20 numbers of the system in their own colour, at the
        // screen's scale and at one and a half times it.
        NumberChart* chart = Chart(w);
        EXPECT_EQ(chart->BarRects().size(), 90u);
        for (const double scale : {1.0, 1.5}) {
            SCOPED_TRACE(scale);
            const BarsSeen seen = CountBarsInPicture(*chart, scale);
            EXPECT_EQ(seen.bars, 90);
            EXPECT_EQ(seen.marked, 20);
        }
        // The chart of the current delays has no bar for the 20 numbers of the last draw.
        w->findChild<QRadioButton*>("opGrafico(1)")->setChecked(true);
        EXPECT_EQ(CountBarsInPicture(*chart, 1).bars, 70);

        Click(w, "cmdSalvaImmagine");
        const QImage saved(QString::fromStdString(image + ".png"));
        EXPECT_EQ(saved.size(), chart->size() * 2);
        ASSERT_FALSE(a.f.files.requests.empty());
        EXPECT_EQ(a.f.files.requests.back().pattern, "*.png");

        // No matrix is loaded: nothing to send the numbers to.
        Later([w] { Click(w, "cmdPronostico"); });
    });
    a.script.AcknowledgeMessage();
    a.script.Then(Close);
    a.Run();
    EXPECT_EQ(a.script.texts, QStringList{"Caricare una Matrice ..!"});
}

LineList SixteenNumberMatrix() { return {"1 2 3 4 5 6 7 8 9 10", "7 8 9 10 11 12 13 14 15 16"}; }

class StatisticsFromForecast : public ::testing::Test {
protected:
    StatisticsFromForecast() {
        f.state.ReplaceMatrix("MATRIX10_06_N16", SixteenNumberMatrix(), 16);
        f.state.ForecastStates[88] = kForecastFixed;
        f.state.ForecastStates[40] = kForecastSelected;
        f.state.RecountForecast();
        f.files.answers.push_back(folder.Write("CICLO.TXT", CyclingArchive()));
        script.Then([](QWidget* w) { Later([w] { QTest::mouseClick(Button(w, "cmdStatistiche"), Qt::LeftButton); }); });
    }
    void Run() {
        f.Click("cmdAdattaMatrice");
        EXPECT_EQ(script.Pending(), 0u);
        EXPECT_TRUE(test::WaitUntilNoModalWindow());
    }
    QPushButton* Key(QWidget* window, int n) {
        return window->findChild<QPushButton*>(QString("cmdTastierino(%1)").arg(n));
    }
    test::TempFolder folder;
    test::MainWindowFixture f;
    test::ModalScript script;
};

TEST_F(StatisticsFromForecast, TheSixteenMostDelayedNumbersBecomeTheForecastAndAreDeveloped) {
    script.Then([this](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmStatistiche");
        Click(w, "cmdScegliArchivio");
        ASSERT_EQ(f.files.requests.size(), 1u);
        EXPECT_TRUE(f.files.requests[0].initialLocation.ends_with("/Shared/Estrazioni/"));
        ASSERT_TRUE(WaitForStatistics(w));
        // The forecast's numbers are marked: the fixed 88 and the selected 40.
        EXPECT_EQ(CountBarsInPicture(*Chart(w), 1).marked, 2);
        ClickHeader(w, 3);
        // 88 stays fixed, so the matrix takes 15 more.
        EXPECT_EQ(w->findChild<QSpinBox*>("spnPrimi")->value(), 15);
        EXPECT_TRUE(w->findChild<QRadioButton*>("opScelta(1)")->isChecked());
        Click(w, "cmdPronostico");
    });
    script.Then([this](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmTastierino");
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            const QColor expected = n <= 15   ? kSelectedColour
                                    : n == 88 ? kFixedColour
                                              : w->palette().color(QPalette::Button);
            EXPECT_EQ(Key(w, n)->palette().color(QPalette::Button), expected) << n;
        }
        EXPECT_EQ(Text(w, "lblSelezionati"), "16");
        EXPECT_EQ(Text(w, "lblDaSelezionare"), "0");
        Later([w] { QTest::mouseClick(Button(w, "cmdSviluppa"), Qt::LeftButton); });
    });
    script.AcknowledgeMessage();
    script.Then(Close);
    Run();
    EXPECT_EQ(script.texts, QStringList{"Sistema creato con successo ..!"});
    EXPECT_EQ(f.state.ForecastCount, 16);
    EXPECT_EQ(f.state.ForecastStates[40], kForecastOff);
    // The fixed 88 stands in for the matrix's 1, then 1..15 for 2..16.
    EXPECT_EQ(f.state.SystemCombinations, (LineList{"01 02 03 04 05 06 07 08 09 88", "06 07 08 09 10 11 12 13 14 15"}));
}

TEST_F(StatisticsFromForecast, NumbersPickedInTheTableAndTheChartAreRefusedWhenTheyDoNotFitTheMatrix) {
    script.Then([this](QWidget* w) {
        Click(w, "cmdScegliArchivio");
        ASSERT_TRUE(WaitForStatistics(w));
        QTableView* table = Table(w);
        for (int row : {4, 20}) {
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                              table->visualRect(table->model()->index(row, 1)).center());
        }
        // A click on a bar selects its number too, and a second one leaves it again.
        NumberChart* chart = Chart(w);
        const QPoint bar70 = chart->BarRects()[69].center().toPoint();
        const QPoint bar30 = chart->BarRects()[29].center().toPoint();
        QTest::mouseClick(chart, Qt::LeftButton, {}, bar70);
        QTest::mouseClick(chart, Qt::LeftButton, {}, bar30);
        QTest::mouseClick(chart, Qt::LeftButton, {}, bar30);
        QList<int> selected;
        for (const QModelIndex& row : table->selectionModel()->selectedRows()) selected << row.data().toInt();
        std::sort(selected.begin(), selected.end());
        EXPECT_EQ(selected, (QList<int>{5, 21, 70}));
        EXPECT_TRUE(w->findChild<QRadioButton*>("opScelta(0)")->isChecked());
        Later([w] { Click(w, "cmdPronostico"); });
    });
    script.AcknowledgeMessage();
    script.Then([this](QWidget* w) {
        // Still the statistics: nothing changed.
        EXPECT_EQ(w->objectName(), "frmStatistiche");
        EXPECT_EQ(f.state.ForecastStates[40], kForecastSelected);
        EXPECT_EQ(f.state.ForecastStates[5], kForecastOff);
        Close(w);
    });
    script.Then(Close);
    Run();
    // With 88 fixed, the three numbers make 4 of the 16.
    EXPECT_EQ(script.texts, QStringList{"Hai selezionato 12 numeri in meno ..!"});
    EXPECT_EQ(f.state.ForecastCount, 2);
}

}  // namespace
}  // namespace ordavex
