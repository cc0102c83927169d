#include <gtest/gtest.h>

#include "dialogs/text_box_layout.h"

namespace ordavex {
namespace {

TEST(TextBoxLayout, HeightsFollowTheNumberOfLines) {
    const struct {
        const TextBoxGeometry& window;
        const char* text;
        int lines;
        int outer;
        int frame;
        int label;
        int buttonTop;
    } cases[] = {
        {kMessageGeometry, "", 0, 2450, 2000, 0, 1400},
        {kMessageGeometry, "Salvate 5 combinazioni ..!", 1, 2725, 2275, 275, 1675},
        {kMessageGeometry, "La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!", 2, 3000, 2550, 550,
         1950},
        {kMessageGeometry, "prima||dopo", 3, 3275, 2825, 825, 2225},
        {kMessageGeometry, "finisce a capo|", 2, 3000, 2550, 550, 1950},
        {kMessageGeometry, "|", 2, 3000, 2550, 550, 1950},
        {kInfoGeometry, "", 0, 2250, 1770, 0, 1145},
        // As many lines as the forecast help.
        {kInfoGeometry, "A||B|C|D|E|F||G|H|I|", 12, 5070, 4590, 3060, 3965},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto layout = LayOutTextBox(c.text, c.window);
        EXPECT_EQ(layout.lineCount, c.lines);
        EXPECT_EQ(layout.outerHeight, c.outer);
        EXPECT_EQ(layout.frameHeight, c.frame);
        EXPECT_EQ(layout.labelHeight, c.label);
        EXPECT_EQ(layout.buttonTop, c.buttonTop);
    }
}

TEST(TextBoxLayout, PipesBecomeLineBreaksAndEmptyLinesAndLeadingBlanksStay) {
    EXPECT_EQ(LayOutTextBox("uno||   due", kMessageGeometry).labelText, "uno\n\n   due");
    EXPECT_EQ(LayOutTextBox("senza", kInfoGeometry).labelText, "senza");
}

}  // namespace
}  // namespace ordavex
