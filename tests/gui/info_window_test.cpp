#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui_style.h"
#include "dialogs/info_window.h"
#include "gui_harness.h"

namespace ordavex {
namespace {

struct Seen {
    QString title;
    QSize client;
    QRect frame;
    QRect label;
    QRect button;
    QString text;
    bool buttonAboveLabel = false;
    bool fixedPitch = false;
    int indentWidth = 0;
    int characterWidth = 0;  // seven wide characters
};

// Opens frmInfo with the text, records what it shows and closes it with its button.
Seen ShowAndRecord(AppState& state, const std::string& text) {
    Seen seen;
    test::ModalScript script;
    script.Then([&seen](QWidget* window) {
        seen.title = window->windowTitle();
        seen.client = window->size();
        auto* frame = window->findChild<QFrame*>("fraInfo");
        auto* label = window->findChild<QLabel*>("lblInfo");
        auto* button = window->findChild<QPushButton*>("cmdInfo");
        ASSERT_TRUE(frame && label && button);
        seen.frame = frame->geometry();
        seen.label = label->geometry();
        seen.button = button->geometry();
        seen.text = label->text();
        const auto siblings = frame->children();
        seen.buttonAboveLabel = siblings.indexOf(button) > siblings.indexOf(label);
        seen.fixedPitch = QFontInfo(label->font()).fixedPitch();
        const QFontMetrics metrics(label->font());
        seen.indentWidth = metrics.horizontalAdvance("      x");
        seen.characterWidth = metrics.horizontalAdvance("mmmmmmx");
        QTest::mouseClick(button, Qt::LeftButton);
    });
    ShowInfo(state, nullptr, text);
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join("; ").toStdString();
    EXPECT_EQ(script.Pending(), 0u);
    return seen;
}

const std::string kTwelveLines =
    "FUNZIONI:||1) - uno|2) - due|      rientrata|3) - tre|      rientrata||4) - quattro|5) - cinque|6) - sei|";

TEST(InfoWindow, TwelveLinesLayOutTheWindow) {
    AppState state;
    const auto seen = ShowAndRecord(state, kTwelveLines);
    EXPECT_EQ(state.InfoText, kTwelveLines);
    EXPECT_EQ(seen.title, QString::fromUtf8("Ordavex® - Informazione"));
    // Outer 5070 twips less the title bar and borders (450): 4620 twips of client area.
    EXPECT_EQ(seen.client, QSize(Px(8955), Px(4620)));
    EXPECT_EQ(seen.frame, TwipsRect(60, 0, 8775, 4590));
    EXPECT_EQ(seen.label, TwipsRect(270, 1035, 8235, 3060));
    EXPECT_EQ(seen.button, TwipsRect(3720, 3965, 1400, 465));
    EXPECT_TRUE(seen.buttonAboveLabel);
    EXPECT_EQ(seen.text.count('\n'), 11);
    EXPECT_FALSE(seen.text.contains('|'));
}

TEST(InfoWindow, EmptyText) {
    AppState state;
    const auto seen = ShowAndRecord(state, "");
    EXPECT_EQ(seen.client, QSize(Px(8955), Px(2250 - 450)));
    EXPECT_EQ(seen.frame.height(), Px(1770));
    EXPECT_EQ(seen.label.height(), 0);
    EXPECT_EQ(seen.button.top(), Px(1145));
    EXPECT_EQ(seen.text, "");
}

TEST(InfoWindow, FixedPitchFontKeepsIndentedLinesAligned) {
    AppState state;
    const auto seen = ShowAndRecord(state, "Titolo|      rientrata");
    EXPECT_TRUE(seen.fixedPitch);
    // Six blanks take as much room as six of the widest letters.
    EXPECT_EQ(seen.indentWidth, seen.characterWidth);
    EXPECT_TRUE(seen.text.endsWith("\n      rientrata"));
}

TEST(InfoWindow, CloseBoxClosesIt) {
    AppState state;
    test::ModalScript script;
    bool closed = false;
    script.Then([&closed](QWidget* window) { closed = window->close(); });
    ShowInfo(state, nullptr, "Testo");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(script.unexpected.isEmpty());
}

}  // namespace
}  // namespace ordavex
