#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "test_files.h"
#include "widgets/progress_window.h"

namespace ordavex {
namespace {

QWidget* ProgressWindowOnShow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "frmAvanzamento" && widget->isVisible()) return widget;
    }
    return nullptr;
}

// Work that has read half of a file of 1000 bytes and waits to be cancelled (10 s at most).
void HalfReadUntilCancelled(WorkProgress& progress, const std::string& file) {
    progress.ExpectFile(file);
    progress.Advance(500);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!progress.Cancelled() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

TEST(ProgressWindow, ShowsAfterHalfASecondWithTheProgressAndCancelsByButtonOrEscape) {
    test::TempFolder folder;
    const std::string file = folder.Write("MILLE.TXT", std::string(1000, '1'));
    for (const bool byEscape : {false, true}) {
        // Another window of the program, which the user tries to use meanwhile.
        QPushButton other("Altro");
        other.show();
        int otherClicks = 0;
        QObject::connect(&other, &QPushButton::clicked, [&otherClicks] { ++otherClicks; });

        WorkProgress progress;
        QElapsedTimer clock;
        qint64 shownAt = -1;
        QString label;
        int value = -1;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (otherClicks == 0) QTest::mouseClick(&other, Qt::LeftButton);
            QWidget* window = ProgressWindowOnShow();
            if (window == nullptr || shownAt >= 0) return;
            shownAt = clock.elapsed();
            label = window->findChild<QLabel*>("lblAvanzamento")->text();
            value = window->findChild<QProgressBar*>("prgAvanzamento")->value();
            if (byEscape) {
                QTest::keyClick(window, Qt::Key_Escape);
            } else {
                QTest::mouseClick(window->findChild<QPushButton*>("cmdAnnulla"), Qt::LeftButton);
            }
        });
        clock.start();
        poll.start();
        ProgressWindow::RunOnFile(&other, "Caricamento di", "cartella/MILLE.TXT", progress,
                                  [&] { HalfReadUntilCancelled(progress, file); });
        poll.stop();

        EXPECT_GE(shownAt, 500) << byEscape;
        EXPECT_LT(shownAt, 2000) << byEscape;
        EXPECT_EQ(label, "Caricamento di MILLE.TXT ...");
        EXPECT_EQ(value, 500) << "thousandths of the expected bytes";
        EXPECT_TRUE(progress.Cancelled()) << byEscape;
        EXPECT_LT(clock.elapsed(), 5000) << "the work ended soon after the cancel";
        EXPECT_EQ(ProgressWindowOnShow(), nullptr);
        EXPECT_EQ(otherClicks, 0) << "a click on another window while the work runs is dropped";
        QTest::mouseClick(&other, Qt::LeftButton);
        EXPECT_EQ(otherClicks, 1) << "and the window answers again afterwards";
    }
}

TEST(ProgressWindow, AShortWorkShowsNothingAndItsFailureReachesTheCaller) {
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&shown] { shown = shown || ProgressWindowOnShow() != nullptr; });
    poll.start();
    WorkProgress progress;
    bool ran = false;
    ProgressWindow::Run(nullptr, "breve", progress, [&ran] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ran = true;
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(shown);
    EXPECT_THROW(ProgressWindow::Run(nullptr, "guasto", progress, [] { throw std::runtime_error("guasto"); }),
                 std::runtime_error);
    EXPECT_FALSE(progress.Cancelled());
}

}  // namespace
}  // namespace ordavex
