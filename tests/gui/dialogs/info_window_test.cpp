#include <gtest/gtest.h>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/info_window.h"
#include "gui_harness.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

const std::string kTwelveLines =
    "FUNZIONI:||1) - uno|2) - due|      rientrata|3) - tre|      rientrata||4) - quattro|5) - cinque|6) - sei|";

TEST(InfoWindow, TwelveLinesLayOutTheWindowInAFixedPitchFont) {
    AppState state;
    test::ModalScript script;
    script.Then([](QWidget* window) {
        auto* frame = window->findChild<QFrame*>("fraInfo");
        auto* label = window->findChild<QLabel*>("lblInfo");
        auto* button = window->findChild<QPushButton*>("cmdInfo");
        ASSERT_TRUE(frame && label && button);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Ordavex® - Informazione"));
        // Outer 5070 twips less the title bar and borders (450): 4620 twips of client area.
        EXPECT_EQ(window->size(), QSize(Px(8955), Px(4620)));
        EXPECT_EQ(frame->geometry(), TwipsRect(60, 0, 8775, 4590));
        EXPECT_EQ(label->geometry(), TwipsRect(270, 1035, 8235, 3060));
        EXPECT_EQ(button->geometry(), TwipsRect(3720, 3965, 1400, 465));
        EXPECT_GT(frame->children().indexOf(button), frame->children().indexOf(label));
        EXPECT_TRUE(label->text().contains("\n      rientrata\n"));
        // Six blanks take as much room as six of the widest letters, so indented lines stay aligned.
        EXPECT_TRUE(QFontInfo(label->font()).fixedPitch());
        const QFontMetrics metrics(label->font());
        EXPECT_EQ(metrics.horizontalAdvance("      x"), metrics.horizontalAdvance("mmmmmmx"));
        QTest::mouseClick(button, Qt::LeftButton);
    });
    ShowInfo(state, nullptr, kTwelveLines);
    EXPECT_EQ(state.InfoText, kTwelveLines);
    EXPECT_EQ(script.Pending(), 0u);
}

TEST(InfoWindow, CloseBoxClosesIt) {
    AppState state;
    test::ModalScript script;
    bool closed = false;
    script.Then([&closed](QWidget* window) { closed = window->close(); });
    ShowInfo(state, nullptr, "Testo");
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace ordavex
