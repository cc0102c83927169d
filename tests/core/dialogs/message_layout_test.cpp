#include <gtest/gtest.h>

#include <vector>

#include "dialogs/message_layout.h"

namespace ordavex {
namespace {

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
    EXPECT_EQ(LayOutMessage("x", " NO , SI").captions, (std::vector<std::string>{" NO ", " SI"}));
}

}  // namespace
}  // namespace ordavex
