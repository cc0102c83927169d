#include <gtest/gtest.h>

#include "forecast/keypad_layout.h"

namespace ordavex {
namespace {

// The template of the forecast keypad: 240, 360, 525 x 465.
constexpr KeypadTemplate kForecastTemplate{240, 360, 525, 465};
// The template of the draw-check keypad stands at the same kind of place; only the gaps differ.
constexpr KeypadTemplate kDrawCheckTemplate{240, 360, 525, 465};

struct PositionCase {
    const char* name;
    KeypadTemplate keypadTemplate;
    int gap;
    int index;
    int left;
    int top;
};

class KeypadPositions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(KeypadPositions, ButtonStandsAtItsColumnAndRow) {
    const auto& c = GetParam();
    std::int32_t counter = 0;
    const auto placements = LayOutKeypad({1, 90, 10, c.gap, c.gap}, c.keypadTemplate, true, counter);
    ASSERT_EQ(placements.size(), 90u);
    const auto& placement = placements[static_cast<std::size_t>(c.index - 1)];
    EXPECT_EQ(placement.index, c.index);
    EXPECT_EQ(placement.left, c.left);
    EXPECT_EQ(placement.top, c.top);
    EXPECT_EQ(placement.tabPosition, c.index);
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, KeypadPositions,
    ::testing::Values(PositionCase{"Forecast1", kForecastTemplate, 60, 1, 240, 360},
                      PositionCase{"Forecast10", kForecastTemplate, 60, 10, 240 + 9 * 585, 360},
                      PositionCase{"Forecast11", kForecastTemplate, 60, 11, 240, 360 + 525},
                      PositionCase{"Forecast90", kForecastTemplate, 60, 90, 5505, 4560},
                      PositionCase{"DrawCheck1", kDrawCheckTemplate, 30, 1, 240, 360},
                      PositionCase{"DrawCheck10", kDrawCheckTemplate, 30, 10, 240 + 9 * 555, 360},
                      PositionCase{"DrawCheck11", kDrawCheckTemplate, 30, 11, 240, 360 + 495},
                      PositionCase{"DrawCheck90", kDrawCheckTemplate, 30, 90, 240 + 9 * 555, 360 + 8 * 495}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeypadLayout, ForecastKeypadEndsInsideItsFrame) {
    std::int32_t counter = 0;
    const auto placements = LayOutKeypad({1, 90, 10, 60, 60}, kForecastTemplate, true, counter);
    const auto& last = placements.back();
    EXPECT_EQ(last.left + kForecastTemplate.width, 6030);
    EXPECT_EQ(last.top + kForecastTemplate.height, 5025);
}

TEST(KeypadLayout, LastBelowFirstPlacesNothingAndKeepsTheCounter) {
    std::int32_t counter = 17;
    EXPECT_TRUE(LayOutKeypad({5, 4, 10, 60, 60}, kForecastTemplate, true, counter).empty());
    EXPECT_EQ(counter, 17);
}

TEST(KeypadLayout, PerRowLargerThanTheCountKeepsOneRow) {
    std::int32_t counter = 0;
    const auto placements = LayOutKeypad({1, 7, 20, 60, 60}, kForecastTemplate, false, counter);
    ASSERT_EQ(placements.size(), 7u);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        EXPECT_EQ(placements[i].top, 360);
        EXPECT_EQ(placements[i].left, 240 + static_cast<int>(i) * 585);
    }
}

TEST(KeypadLayout, WithoutTabPositionsTheCounterStays) {
    std::int32_t counter = 90;
    const auto placements = LayOutKeypad({1, 90, 10, 60, 60}, kForecastTemplate, false, counter);
    EXPECT_EQ(counter, 90);
    EXPECT_EQ(placements.front().tabPosition, 0);
}

TEST(KeypadLayout, SuccessiveKeypadsTakeSuccessiveTabPositions) {
    std::int32_t counter = 0;
    for (int keypad = 0; keypad < 3; ++keypad) {
        const auto placements = LayOutKeypad({1, 90, 10, 30, 30}, kForecastTemplate, true, counter);
        EXPECT_EQ(placements.front().tabPosition, keypad * 90 + 1);
        EXPECT_EQ(placements.back().tabPosition, keypad * 90 + 90);
    }
    EXPECT_EQ(counter, 270);
}

TEST(KeypadLayout, RowAdvancesByEachButtonsOwnWidth) {
    std::int32_t counter = 0;
    // Button 2 is a reused, wider button: its right neighbour moves along, the next row does not.
    const auto widthOf = [](int index) { return index == 2 ? 1000 : 525; };
    const auto placements = LayOutKeypad({1, 4, 3, 60, 60}, kForecastTemplate, false, counter, widthOf);
    ASSERT_EQ(placements.size(), 4u);
    EXPECT_EQ(placements[1].left, 240 + 585);
    EXPECT_EQ(placements[2].left, 240 + 585 + 1060);
    EXPECT_EQ(placements[3].left, 240);
    EXPECT_EQ(placements[3].top, 360 + 525);
}

TEST(KeypadLayout, FirstIndexAboveOneStartsAtTheTemplate) {
    std::int32_t counter = 0;
    const auto placements = LayOutKeypad({11, 25, 10, 60, 60}, kForecastTemplate, true, counter);
    ASSERT_EQ(placements.size(), 15u);
    EXPECT_EQ(placements.front().index, 11);
    EXPECT_EQ(placements.front().left, 240);
    EXPECT_EQ(placements[10].index, 21);
    EXPECT_EQ(placements[10].top, 360 + 525);
    EXPECT_EQ(placements[10].left, 240);
}

}  // namespace
}  // namespace ordavex
