#include <gtest/gtest.h>

#include <string>

#include "app/error_number.h"
#include "combinations/system_file.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::Lines;

TEST(LoadSystemFile, ValidatesCountsAndLoads) {
    using enum SystemLoadOutcome;
    const struct {
        const char* name;
        std::string bytes;
        SystemLoadOutcome outcome;
        int error;
        LineList lines;  // when loaded, checked only if given
    } cases[] = {
        {"200 lines, empty ones between", Lines(100, "1 2 3 4 5\r\n") + Lines(100, "6 7 8 9 10"), Loaded, 0, {}},
        {"201 lines", Lines(201, "1 2 3 4 5"), TooManyLines, 0, {}},
        {"two items make one line", "1 2 3 4 5,6 7 8 9 10", Loaded, 0, {"1 2 3 4 5 6 7 8 9 10"}},
        {"a bad number before 300 lines", Lines(300, "1 2 3 4 5") + "0 1 2 3 4", Rejected, kErrNumberOutOfRange, {}},
        {"3 items of 5: a line of 15", "01 02 03 04 05,06 07 08 09 10,11 12 13 14 15", Rejected, kErrBadLength, {}},
        {"2 items of 3: a line of 6", "1 2 3,4 5 6", Rejected, kErrBadLength, {}},
        {"5 MB of good items, one line", Lines(500000, "1 2 3 4 5", ","), Rejected, kErrBadLength, {}},
    };
    test::TempFolder folder;
    const auto openBefore = test::OpenFileCount();
    for (const auto& c : cases) {
        const auto result = LoadSystemFile(folder.Write("system.txt", c.bytes));
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.error, c.error) << c.name;
        if (!c.lines.empty() || c.outcome != Loaded) {
            EXPECT_EQ(result.lines, c.lines) << c.name;
        }
        EXPECT_EQ(test::OpenFileCount(), openBefore) << c.name;
    }
    EXPECT_EQ(LoadSystemFile(folder.Write("system.txt", cases[0].bytes)).lines.size(), 200u);
}

}  // namespace
}  // namespace ordavex
