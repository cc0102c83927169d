#include <gtest/gtest.h>

#include "forecast/keypad_layout.h"

namespace ordavex {
namespace {

// Both windows' keypads start from a template at 240, 360, 525 x 465; only the gaps differ.
constexpr TwipsPlace kTemplate{240, 360, 525, 465};

TEST(KeypadLayout, ButtonsStandInRowsOfTenForBothWindowsGaps) {
    const struct {
        int gap;
        int index;
        int left;
        int top;
    } cases[] = {{60, 1, 240, 360},        {60, 10, 240 + 9 * 585, 360},
                 {60, 11, 240, 360 + 525}, {60, 90, 5505, 4560},
                 {30, 1, 240, 360},        {30, 10, 240 + 9 * 555, 360},
                 {30, 11, 240, 360 + 495}, {30, 90, 240 + 9 * 555, 360 + 8 * 495}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << c.gap << " button " << c.index);
        std::int32_t counter = 0;
        const auto placements = LayOutKeypad({1, 90, 10, c.gap, c.gap}, kTemplate, true, counter);
        ASSERT_EQ(placements.size(), 90u);
        const auto& placement = placements[static_cast<std::size_t>(c.index - 1)];
        EXPECT_EQ(placement.index, c.index);
        EXPECT_EQ(placement.left, c.left);
        EXPECT_EQ(placement.top, c.top);
        EXPECT_EQ(placement.tabPosition, c.index);
    }
}

TEST(KeypadLayout, PerRowLargerThanTheCountKeepsOneRowWithoutTabPositions) {
    std::int32_t counter = 90;
    const auto placements = LayOutKeypad({1, 7, 20, 60, 60}, kTemplate, false, counter);
    ASSERT_EQ(placements.size(), 7u);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        EXPECT_EQ(placements[i].top, 360);
        EXPECT_EQ(placements[i].left, 240 + static_cast<int>(i) * 585);
        EXPECT_EQ(placements[i].tabPosition, 0);
    }
    EXPECT_EQ(counter, 90);
}

TEST(KeypadLayout, RowAdvancesByEachButtonsOwnWidth) {
    std::int32_t counter = 0;
    // Button 2 is a reused, wider button: its right neighbour moves along, the next row does not.
    const auto widthOf = [](int index) { return index == 2 ? 1000 : 525; };
    const auto placements = LayOutKeypad({1, 4, 3, 60, 60}, kTemplate, false, counter, widthOf);
    ASSERT_EQ(placements.size(), 4u);
    EXPECT_EQ(placements[1].left, 240 + 585);
    EXPECT_EQ(placements[2].left, 240 + 585 + 1060);
    EXPECT_EQ(placements[3].left, 240);
    EXPECT_EQ(placements[3].top, 360 + 525);
}

TEST(KeypadLayout, FirstIndexAboveOneStartsAtTheTemplate) {
    std::int32_t counter = 0;
    const auto placements = LayOutKeypad({11, 25, 10, 60, 60}, kTemplate, true, counter);
    ASSERT_EQ(placements.size(), 15u);
    EXPECT_EQ(placements.front().index, 11);
    EXPECT_EQ(placements.front().left, 240);
    EXPECT_EQ(placements[10].index, 21);
    EXPECT_EQ(placements[10].left, 240);
    EXPECT_EQ(placements[10].top, 360 + 525);
}

}  // namespace
}  // namespace ordavex
