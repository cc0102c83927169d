#include <gtest/gtest.h>

#include "dialogs/info_layout.h"

namespace ordavex {
namespace {

TEST(InfoLayout, HeightsFollowTheNumberOfLines) {
    const struct {
        std::string text;
        int lines;
        int outer;
        int frame;
        int label;
        int buttonTop;
    } cases[] = {{"", 0, 2250, 1770, 0, 1145},
                 {"A||B|C|D|E|F||G|H|I|", 12, 5070, 4590, 3060, 3965}};  // as many lines as the forecast help
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto layout = LayOutInfo(c.text);
        EXPECT_EQ(layout.lineCount, c.lines);
        EXPECT_EQ(layout.outerHeight, c.outer);
        EXPECT_EQ(layout.frameHeight, c.frame);
        EXPECT_EQ(layout.labelHeight, c.label);
        EXPECT_EQ(layout.buttonTop, c.buttonTop);
    }
}

}  // namespace
}  // namespace ordavex
