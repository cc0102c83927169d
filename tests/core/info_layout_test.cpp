#include <gtest/gtest.h>

#include "dialogs/info_layout.h"

namespace ordavex {
namespace {

struct InfoCase {
    const char* name;
    std::string text;
    int lines;
    int outer;
    int frame;
    int label;
    int buttonTop;
};

class InfoHeights : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoHeights, FollowTheNumberOfLines) {
    const auto& c = GetParam();
    const auto layout = LayOutInfo(c.text);
    EXPECT_EQ(layout.lineCount, c.lines);
    EXPECT_EQ(layout.outerHeight, c.outer);
    EXPECT_EQ(layout.frameHeight, c.frame);
    EXPECT_EQ(layout.labelHeight, c.label);
    EXPECT_EQ(layout.buttonTop, c.buttonTop);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InfoHeights,
    ::testing::Values(InfoCase{"Empty", "", 0, 2250, 1770, 0, 1145},
                      InfoCase{"OneLine", "Riga", 1, 2485, 2005, 255, 1380},
                      InfoCase{"TwelvePiecesLastEmpty", "A||B|C|D|E|F||G|H|I|", 12, 5070, 4590, 3060, 3965},
                      InfoCase{"OnlyAPipe", "|", 2, 2720, 2240, 510, 1615}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InfoLayout, LabelOfALongTextReachesBelowTheButtonTop) {
    const auto layout = LayOutInfo("A||B|C|D|E|F||G|H|I|");
    EXPECT_GT(1035 + layout.labelHeight, layout.buttonTop);
}

TEST(InfoLayout, PipesBecomeLineBreaksAndLeadingBlanksStay) {
    const auto layout = LayOutInfo("TITOLO:||      rientrata|fine");
    EXPECT_EQ(layout.labelText, "TITOLO:\n\n      rientrata\nfine");
}

}  // namespace
}  // namespace ordavex
