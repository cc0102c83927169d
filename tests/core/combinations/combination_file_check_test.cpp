#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

#include "app/error_number.h"
#include "combinations/combination_file_check.h"
#include "combinations/combination_file_reader.h"
#include "combinations/system_file.h"
#include "test_files.h"

namespace ordavex {
namespace {

constexpr CombinationLimits kSystemLimits{kShortestCombination, kLongestCombination, kHighestNumber};

using test::Lines;

TEST(CheckCombinationFile, ReportsTheFirstFailureInFileOrder) {
    const struct {
        const char* name;
        std::string bytes;
        int error;
    } cases[] = {
        {"five numbers", "01 02 03 04 05", 0},
        {"lengths 5, 7 and 10 mixed", "1 2 3 4 5\r\n1 2 3 4 5 6 7\r\n1 2 3 4 5 6 7 8 9 10", 0},
        {"four numbers", "1 2 3 4 5\r\n1 2 3 4", kErrBadLength},
        {"eleven numbers", "1 2 3 4 5 6 7 8 9 10 11", kErrBadLength},
        {"a zero", "0 1 2 3 4", kErrNumberOutOfRange},
        {"91", "1 2 3 4 91", kErrNumberOutOfRange},
        {"a negative number", "1 2 -3 4 5", kErrNumberOutOfRange},
        {"70000", "1 2 3 4 70000", kErrOverflow},
        {"a letter", "1 2 3 4 A", kErrTypeMismatch},
        {"an empty file", "", kErrEmptyFile},
        {"empty lines only", "\r\n\r\n\n\r", kErrEmptyFile},
        {"blank lines only", "   \r\n     \r\n", kErrEmptyFile},
        {"commas only", ",,,\r\n, ,", kErrEmptyFile},
        {"a tab alone", "\t", kErrBadLength},
        {"a full stop alone", "1 2 3 4 5\r\n.", kErrBadLength},
        {"three blanks", "1 2 3   4 5", kErrTypeMismatch},
        {"commas split items", "1,2,3,4,5", kErrBadLength},
        {"two items on one line", "1 2 3 4 5,6 7 8 9 10", 0},
        {"leading blanks of an item", "     1 2 3 4 5,   6 7 8 9 10", 0},
        {"the number is tested before the length", "1 2 91", kErrNumberOutOfRange},
        {"the first failing item decides", "1 2 3 4\r\n1 2 3 4 91", kErrBadLength},
        {"lone CR ends a line", "1 2 3 4 5\r1 2 3 4 5 6", 0},
        {"lone LF ends a line", "1 2 3 4 5\n1 2 3 4 5 6\n", 0},
        {"leading zeros", "007 0000000000000000090 01 2 3", 0},
        {"a NUL byte", std::string("1 2 3 4 5\r\n1 2\0 3 4 5", 20), kErrTypeMismatch},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), kErrTypeMismatch},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto openBefore = test::OpenFileCount();
        const auto path = folder.Write("case.txt", c.bytes);
        EXPECT_EQ(CheckCombinationFile(path, kSystemLimits), c.error) << c.name;
        EXPECT_EQ(test::OpenFileCount(), openBefore) << c.name;
    }
}

TEST(CheckCombinationFile, HonoursTheCallersLimits) {
    test::TempFolder folder;
    const auto path = folder.Write("limits.txt", "1 2 3\r\n4 5 6");
    EXPECT_EQ(CheckCombinationFile(path, {3, 3, 6}), 0);
    EXPECT_EQ(CheckCombinationFile(path, {3, 3, 5}), kErrNumberOutOfRange);
    EXPECT_EQ(CheckCombinationFile(path, {4, 10, 90}), kErrBadLength);
}

TEST(CheckCombinationFile, ReadsRegularFilesOnly) {
    test::TempFolder folder;
    std::vector<std::pair<std::string, int>> cases = {
        {folder.File("missing.txt"), kErrFileNotFound},
        {folder.File("no folder/missing.txt"), kErrPathNotFound},
        {folder.Path().string(), kErrBadFileName},
    };
#if defined(__unix__) || defined(__APPLE__)
    // Neither waits for a writer or reads forever.
    const auto fifo = folder.File("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    cases.emplace_back(fifo, kErrBadFileName);
    cases.emplace_back("/dev/zero", kErrBadFileName);
#endif
    for (const auto& [path, error] : cases) {
        const auto openBefore = test::OpenFileCount();
        EXPECT_EQ(CheckCombinationFile(path, kSystemLimits), error) << path;
        EXPECT_EQ(LoadSystemFile(path).error, error) << path;
        EXPECT_EQ(test::OpenFileCount(), openBefore);
    }
}

TEST(CheckCombinationFile, BoundsTheLengthOfLines) {
    const std::string fiveItemsOfLongestLength = "1 2 3 4 " + std::string(kLongestLine - 9, '0') + "5";
    const struct {
        const char* name;
        std::string bytes;
        int error;
    } cases[] = {
        {"an item of the longest length", fiveItemsOfLongestLength, 0},
        {"one byte more", "0" + fiveItemsOfLongestLength, kErrBadLength},
        {"a huge number, even valid", "1 2 3 4 " + std::string(200000, '0') + "7", kErrBadLength},
        {"a bad number far beyond the bound", Lines(20000, "1 2 3 4 5 ", "") + "0", kErrBadLength},
        {"a line of blanks beyond the bound", std::string(kLongestLine + 1, ' ') + "\r\n1 2 3 4 5", kErrBadLength},
        {"items on a line beyond the bound", Lines(500, "1 2 3 4 5", ","), kErrBadLength},
        // Full lines up to the first read chunk's end, where a CR LF is cut in two.
        {"lines across a chunk",
         Lines(15, "1 2 3 4 5" + std::string(4085, ' ')) + "1 2 3 4 5" + std::string(4086, ' ') + "\r\n1 2 3 4 5 6", 0},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        EXPECT_EQ(CheckCombinationFile(folder.Write("long.txt", c.bytes), kSystemLimits), c.error) << c.name;
    }
}

TEST(CountCombinationLines, CountsLinesThatHoldSomethingAfterCleaning) {
    const struct {
        const char* name;
        std::string bytes;
        std::int32_t count;
    } cases[] = {
        {"empty", "", 0},
        {"one line without end", "1 2 3 4 5", 1},
        {"one line with end", "1 2 3 4 5\r\n", 1},
        {"CR LF, CR and LF", "1\r\n2\r3\n4", 4},
        {"empty and blank lines", "\r\n1\r\n\r\n   \r\n\t.:\r\n2\r\n", 2},
        {"commas stay on their line", "1,2,3\r\n4", 2},
        {"LF CR is two ends", "1\n\r2", 2},
    };
    test::TempFolder folder;
    const auto openBefore = test::OpenFileCount();
    for (const auto& c : cases) {
        EXPECT_EQ(CountCombinationLines(folder.Write("count.txt", c.bytes)), c.count) << c.name;
    }
    const auto path = folder.Write("many.txt", Lines(5000, "1 2 3 4 5"));
    EXPECT_EQ(CountCombinationLines(path), 5000);
    EXPECT_EQ(CountCombinationLines(path, 200), 201) << "stops once past the limit";
    EXPECT_EQ(CountCombinationLines(path, 5000), 5000);
    EXPECT_THROW(CountCombinationLines(folder.File("missing.txt")), OrdavexError);
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

}  // namespace
}  // namespace ordavex
