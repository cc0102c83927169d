#include <gtest/gtest.h>

#include <algorithm>

#include "checking/draw_marks.h"

namespace ordavex {
namespace {

int MarkedFlags(const DrawMarks& marks) {
    return static_cast<int>(std::count(marks.DrawnNumbers.begin() + 1, marks.DrawnNumbers.end(), true));
}

TEST(DrawMarks, AllNumbersSetsEveryMarkAndRecounts) {
    DrawMarks marks;
    marks.Toggle(5);
    marks.AllNumbers(true);
    EXPECT_EQ(marks.DrawnCount, 90);
    EXPECT_EQ(MarkedFlags(marks), 90);
    marks.AllNumbers(false);
    EXPECT_EQ(marks.DrawnCount, 0);
    EXPECT_EQ(MarkedFlags(marks), 0);
}

}  // namespace
}  // namespace ordavex
