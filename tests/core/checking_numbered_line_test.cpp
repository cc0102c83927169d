#include <gtest/gtest.h>

#include "checking/numbered_line.h"

namespace ordavex {
namespace {

TEST(ViewerItem, PositionHasAtLeastThreeDigitsThenTwoBlanks) {
    const struct {
        std::int32_t position;
        const char* expected;
    } cases[] = {
        {1, "001)  03 07 12 20 33 41 45 56 60 71"},
        {12, "012)  03 07 12 20 33 41 45 56 60 71"},
        {999, "999)  03 07 12 20 33 41 45 56 60 71"},
        {1000, "1000)  03 07 12 20 33 41 45 56 60 71"},
        {40000, "40000)  03 07 12 20 33 41 45 56 60 71"},
    };
    for (const auto& c : cases) EXPECT_EQ(ViewerItem(c.position, "03 07 12 20 33 41 45 56 60 71"), c.expected);
}

TEST(ViewerItem, LineKeptAsStored) { EXPECT_EQ(ViewerItem(3, "7 1 90"), "003)  7 1 90"); }

TEST(ZeroPadded, PadsShortValuesOnly) {
    EXPECT_EQ(ZeroPadded(0, 2), "00");
    EXPECT_EQ(ZeroPadded(5, 2), "05");
    EXPECT_EQ(ZeroPadded(10, 2), "10");
    EXPECT_EQ(ZeroPadded(123456, 3), "123456");
    EXPECT_EQ(ZeroPadded(-7, 3), "-007");
}

}  // namespace
}  // namespace ordavex
