#include <gtest/gtest.h>

#include <vector>

#include "dialogs/message_layout.h"

namespace ordavex {
namespace {

struct HeightCase {
    const char* text;
    int lines;
    int outer;
    int frame;
    int label;
    int buttonTop;
};

TEST(MessageLayout, HeightsFollowTheNumberOfLines) {
    const HeightCase cases[] = {
        {"", 0, 2450, 2000, 0, 1400},
        {"Salvate 5 combinazioni ..!", 1, 2725, 2275, 275, 1675},
        {"La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!", 2, 3000, 2550, 550, 1950},
        {"prima||dopo", 3, 3275, 2825, 825, 2225},
        {"finisce a capo|", 2, 3000, 2550, 550, 1950},
        {"|", 2, 3000, 2550, 550, 1950},
    };
    for (const auto& c : cases) {
        const auto layout = LayOutMessage(c.text, "OK");
        EXPECT_EQ(layout.lineCount, c.lines) << c.text;
        EXPECT_EQ(layout.outerHeight, c.outer) << c.text;
        EXPECT_EQ(layout.frameHeight, c.frame) << c.text;
        EXPECT_EQ(layout.labelHeight, c.label) << c.text;
        EXPECT_EQ(layout.buttonTop, c.buttonTop) << c.text;
    }
}

TEST(MessageLayout, PipesBecomeLineBreaksAndEmptyLinesAndLeadingBlanksStay) {
    EXPECT_EQ(LayOutMessage("uno||   due", "OK").labelText, "uno\n\n   due");
    EXPECT_EQ(LayOutMessage("senza", "OK").labelText, "senza");
}

TEST(MessageLayout, ButtonLeftsByNumberOfCaptions) {
    EXPECT_EQ(LayOutMessage("x", "OK").buttonLefts, (std::vector<int>{1700}));
    EXPECT_EQ(LayOutMessage("x", "NO,SI").buttonLefts, (std::vector<int>{1000, 2460}));
    EXPECT_EQ(LayOutMessage("x", "Appendi,Sovrascrivi,Rinuncia").buttonLefts, (std::vector<int>{185, 1655, 3125}));
}

TEST(MessageLayout, NoCaptionOrMoreThanThreeLaysOutNoButton) {
    const auto none = LayOutMessage("x", "");
    EXPECT_TRUE(none.captions.empty());
    EXPECT_TRUE(none.buttonLefts.empty());
    const auto four = LayOutMessage("x", "a,b,c,d");
    EXPECT_EQ(four.captions.size(), 4u);
    EXPECT_TRUE(four.buttonLefts.empty());
}

TEST(MessageLayout, CaptionsKeepTheirBlanks) {
    const auto layout = LayOutMessage("x", " NO , SI");
    EXPECT_EQ(layout.captions, (std::vector<std::string>{" NO ", " SI"}));
}

}  // namespace
}  // namespace ordavex
