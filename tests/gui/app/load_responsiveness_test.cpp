#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <string>

#include "app/number_text.h"
#include "checking/archive_window.h"
#include "combinations/matrix_file.h"
#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

constexpr qint64 kLongestBlockMs = 100;

// On a machine busy with other work everything slows down, the loop's own slices of work as much
// as the load, so the allowance grows with the time the load took: a twentieth of it. A load done
// on the window's thread blocks for nearly all of that time, and still fails.
qint64 AllowedBlockMs(qint64 elapsedMs) { return std::max(kLongestBlockMs, elapsedMs / 20); }
constexpr const char* kProgressWindow = "frmAvanzamento";

// Ticks every 10 ms while it runs and keeps the longest time between two ticks: how long the
// event loop was kept from running. On each tick it also notes whether the progress window is
// on show, and can cancel the work through the window's button as soon as the window exists.
// (Loads that end within half a second never show the window, so a player can only cancel a
// slower one; pressing the button early takes the same road.)
class LoopGaps : public QObject {
public:
    explicit LoopGaps(bool cancel = false) : cancel_(cancel) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
        clock_.start();
        timer_.start();
    }

    // Stops and returns the longest gap in milliseconds, the time since the last tick included.
    qint64 Stop() {
        timer_.stop();
        longest_ = std::max(longest_, clock_.elapsed() - lastTick_);
        elapsed_ = clock_.elapsed();
        return longest_;
    }
    qint64 Elapsed() const { return elapsed_; }
    bool SawProgress() const { return sawProgress_; }
    bool Cancelled() const { return cancelled_; }
    // Messages shown meanwhile, where none was expected.
    QStringList messages;

private:
    void Tick() {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - lastTick_);
        lastTick_ = now;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->objectName() == "frmMessage") {
            // Answered, so that the test goes on and tells what it saw.
            messages << test::MessageTextOf(modal);
            test::PressButtonOf(modal, 1);
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != kProgressWindow) continue;
            sawProgress_ = sawProgress_ || widget->isVisible();
            if (cancel_ && !cancelled_) {
                cancelled_ = true;
                widget->findChild<QPushButton*>("cmdAnnulla")->click();
            }
        }
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastTick_ = 0;
    qint64 longest_ = 0;
    qint64 elapsed_ = 0;
    const bool cancel_;
    bool cancelled_ = false;
    bool sawProgress_ = false;
};

void Report(const char* what, const LoopGaps& gaps, qint64 longest) {
    std::cout << what << ": " << gaps.Elapsed() << " ms in all, event loop blocked at most " << longest << " ms"
              << (gaps.SawProgress() ? ", progress shown" : "") << std::endl;
}

// The largest matrix the program loads: 1,000,000 lines of 10 numbers that use 1..90.
std::string LargestMatrix() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kMatrixMaxCombinations) * 31);
    for (std::int32_t line = 0; line < kMatrixMaxCombinations; ++line) {
        const int first = 1 + line * 7 % 81;
        for (int n = first; n < first + 10; ++n) {
            AppendZeroPadded(text, n, 2);
            text += n + 1 < first + 10 ? ' ' : '\r';
        }
        text += '\n';
    }
    return text;
}

// An archive near its bound of 1,000,000 draws.
constexpr int kLargeArchiveDraws = 999999;
std::string LargeArchive() {
    std::string text;
    text.reserve(static_cast<std::size_t>(kLargeArchiveDraws) * 62);
    for (int draw = 0; draw < kLargeArchiveDraws; ++draw) {
        const int first = 1 + draw % 71;
        for (int n = first; n < first + 20; ++n) {
            AppendZeroPadded(text, n, 2);
            text += n + 1 < first + 20 ? ' ' : '\n';
        }
    }
    return text;
}

const std::string kSmallMatrix = "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n13 14 15 16 17 18";

// The matrix panel: numbers, combinations, length, fixed numbers and guarantee.
QStringList PanelOf(const test::MainWindowFixture& f) {
    QStringList texts;
    for (const char* label : {"lblNumeri", "lblCombinazioni", "lblLunghezza", "lblFisse", "lblDesc"}) {
        texts << f.LabelText(label);
    }
    return texts;
}

TEST(LoadResponsiveness, TheLargestMatrixLoadsWithoutBlockingTheWindow) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    f.files.answers.push_back(folder.Write("GRANDE.TXT", LargestMatrix()));
    const auto openBefore = test::OpenFilesUnder(folder.Path());
    LoopGaps gaps;
    f.Click("cmdOpenMatrice");
    const qint64 longest = gaps.Stop();
    Report("matrix of 1,000,000 lines", gaps, longest);
    EXPECT_TRUE(gaps.messages.isEmpty()) << gaps.messages.join("; ").toStdString();
    EXPECT_EQ(f.state.MatrixCount, kMatrixMaxCombinations);
    EXPECT_EQ(f.state.MatrixNumbers, 90);
    EXPECT_EQ(f.LabelText("lblCombinazioni"), "1000000");
    EXPECT_EQ(test::OpenFilesUnder(folder.Path()), openBefore);
    EXPECT_LE(longest, AllowedBlockMs(gaps.Elapsed()));
    // A load that lasts shows where it is.
    if (gaps.Elapsed() > 1000) {
        EXPECT_TRUE(gaps.SawProgress());
    }
    EXPECT_FALSE(QApplication::activeModalWidget()) << "the progress window has gone";
}

TEST(LoadResponsiveness, CancellingAMatrixLoadKeepsTheMatrixAndSaysNothing) {
    test::TempFolder folder;
    test::MainWindowFixture f;
    const std::string small = folder.Write("MATRIX06_03_V3_N18.TXT", kSmallMatrix);
    f.files.answers.push_back(small);
    f.Click("cmdOpenMatrice");
    f.state.ForecastStates[5] = kForecastSelected;
    f.state.RecountForecast();
    const QStringList panel = PanelOf(f);

    f.files.answers.push_back(folder.Write("GRANDE.TXT", LargestMatrix()));
    LoopGaps gaps(true);
    f.Click("cmdOpenMatrice");
    const qint64 longest = gaps.Stop();
    Report("cancelled matrix load", gaps, longest);
    ASSERT_TRUE(gaps.Cancelled()) << "the load ended before it could be cancelled";
    EXPECT_TRUE(gaps.messages.isEmpty()) << gaps.messages.join("; ").toStdString();
    EXPECT_EQ(PanelOf(f), panel);
    EXPECT_EQ(f.state.MatrixName, "MATRIX06_03_V3_N18");
    EXPECT_EQ(f.state.MatrixCount, 3);
    EXPECT_EQ(f.state.MatricesFolder, small);
    EXPECT_EQ(f.state.ForecastCount, 1);
    EXPECT_LE(longest, AllowedBlockMs(gaps.Elapsed()));
}

// The archive window on its own, shown without waiting, over a main window with fake seams.
struct ArchiveOnItsOwn {
    ArchiveOnItsOwn() : window(f.context, f.window.get(), [](const NumberMask&) {}) { window.show(); }
    void Choose(const std::string& path) {
        f.files.answers.push_back(path);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdScegliArchivio"), Qt::LeftButton);
    }
    QString Loaded() const { return window.findChild<QLabel*>("lblArchivio")->text(); }
    test::TempFolder folder;
    test::MainWindowFixture f;
    ArchiveWindow window;
};

TEST(LoadResponsiveness, AnArchiveNearItsBoundLoadsWithoutBlockingTheWindow) {
    ArchiveOnItsOwn a;
    const std::string path = a.folder.Write("GRANDE.TXT", LargeArchive());
    LoopGaps gaps;
    a.Choose(path);
    const qint64 longest = gaps.Stop();
    Report("archive of 999,999 draws", gaps, longest);
    EXPECT_TRUE(gaps.messages.isEmpty()) << gaps.messages.join("; ").toStdString();
    EXPECT_TRUE(a.Loaded().startsWith("GRANDE.TXT: 999999 estrazioni")) << a.Loaded().toStdString();
    EXPECT_EQ(a.f.state.ArchivesFolder, path);
    EXPECT_LE(longest, AllowedBlockMs(gaps.Elapsed()));
    if (gaps.Elapsed() > 1000) {
        EXPECT_TRUE(gaps.SawProgress());
    }
}

TEST(LoadResponsiveness, CancellingAnArchiveLoadKeepsTheArchiveAndSaysNothing) {
    ArchiveOnItsOwn a;
    const std::string small =
        a.folder.Write("PICCOLO.TXT", test::Lines(2, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"));
    a.Choose(small);
    const QString loaded = a.Loaded();
    ASSERT_TRUE(loaded.startsWith("PICCOLO.TXT: 2 estrazioni")) << loaded.toStdString();

    a.f.files.answers.push_back(a.folder.Write("GRANDE.TXT", LargeArchive()));
    LoopGaps gaps(true);
    QTest::mouseClick(a.window.findChild<QPushButton*>("cmdScegliArchivio"), Qt::LeftButton);
    const qint64 longest = gaps.Stop();
    Report("cancelled archive load", gaps, longest);
    ASSERT_TRUE(gaps.Cancelled()) << "the load ended before it could be cancelled";
    EXPECT_TRUE(gaps.messages.isEmpty()) << gaps.messages.join("; ").toStdString();
    EXPECT_EQ(a.Loaded(), loaded);
    EXPECT_EQ(a.f.state.ArchivesFolder, small);
    EXPECT_LE(longest, AllowedBlockMs(gaps.Elapsed()));
}

}  // namespace
}  // namespace ordavex
