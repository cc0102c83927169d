#include <gtest/gtest.h>

#include <string>

#include "combinations/duplicate_removal.h"

namespace ordavex {
namespace {

struct DuplicateCase {
    LineList lines;
    LineList kept;
    const char* message;
};

TEST(RemoveDuplicates, SortsAndKeepsOneOfEachText) {
    const DuplicateCase cases[] = {
        {{"01 02 03 04 05"}, {"01 02 03 04 05"}, "Nessun duplicato ..!"},
        {{"C", "A", "B", "A", "A"}, {"A", "B", "C"}, "Rimossi 2 duplicati ..!"},
        {{"03", "01", "02"}, {"01", "02", "03"}, "Nessun duplicato ..!"},
        {{"01 02 03 04 05", "1 2 3 4 5", "02 01 03 04 05"},
         {"01 02 03 04 05", "02 01 03 04 05", "1 2 3 4 5"},
         "Nessun duplicato ..!"},
        {{"x", "x", "x", "x"}, {"x"}, "Rimossi 3 duplicati ..!"},
        {{}, {}, "Nessun duplicato ..!"},
    };
    for (const auto& c : cases) {
        LineList lines = c.lines;
        const auto removed = RemoveDuplicates(lines);
        EXPECT_EQ(lines, c.kept);
        EXPECT_EQ(DuplicatesMessage(removed), c.message);
        EXPECT_EQ(RemoveDuplicates(lines), 0) << "a second run finds nothing";
    }
}

TEST(RemoveDuplicates, ListsBeyondSixteenBits) {
    LineList lines;
    for (int i = 0; i < 50000; ++i) lines.push_back(std::to_string(i % 40000));
    EXPECT_EQ(RemoveDuplicates(lines), 10000);
    EXPECT_EQ(lines.size(), 40000u);
    EXPECT_EQ(DuplicatesMessage(10000), "Rimossi 10000 duplicati ..!");
}

}  // namespace
}  // namespace ordavex
