#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "app/error_number.h"
#include "combinations/line_sort.h"
#include "combinations/number_token.h"

namespace ordavex {
namespace {

TEST(NormalizeCombinations, RewritesAndSorts) {
    const std::pair<LineList, LineList> cases[] = {
        {{}, {}},
        {{"90 01 45"}, {"01 45 90"}},
        {{"07 07 08"}, {"07 07 08"}},
        {{"7 1 3"}, {"01 03 07"}},
        {{"12 7 100"}, {"07 12 100"}},  // by value, where the text order of the pieces differs
        {{"05 04 03 02 01", "10 09 08 07 06", "01 02 03 04 05"},
         {"01 02 03 04 05", "01 02 03 04 05", "06 07 08 09 10"}},
    };
    for (const auto& [input, expected] : cases) {
        LineList lines = input;
        NormalizeCombinations(lines);
        EXPECT_EQ(lines, expected);
    }
}

TEST(NormalizeCombinations, RejectsLinesThatAreNotNumbersAndKeepsTheList) {
    const LineList cases[] = {{"01 02", "01  02"}, {"01 02", "01 x2"}, {"01 02", "01 02 "}, {"70000 01"}};
    const int expectedErrors[] = {kErrTypeMismatch, kErrTypeMismatch, kErrTypeMismatch, kErrOverflow};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        LineList lines = cases[i];
        try {
            NormalizeCombinations(lines);
            ADD_FAILURE() << "accepted case " << i;
        } catch (const OrdavexError& error) {
            EXPECT_EQ(error.Number(), expectedErrors[i]) << "case " << i;
        }
        EXPECT_EQ(lines, cases[i]) << "case " << i;
    }
}

TEST(ShellSortLines, SortsByBytesListsBeyondSixteenBitsAndEmptyLists) {
    // Long shared beginnings, zero and high bytes: equal prefixes and longer lines are compared too.
    const std::string alphabet("0 1\0\xFF", 5);
    std::mt19937 random(7);
    LineList lines;
    for (int i = 0; i < 40000; ++i) {
        std::string line = std::string(random() % 20, '0');
        const std::size_t tail = random() % 6;
        for (std::size_t k = 0; k < tail; ++k) line += alphabet[random() % alphabet.size()];
        lines.push_back(line);
    }
    LineList ascending = lines;
    ShellSortLines(ascending, false);
    LineList reference = lines;
    std::sort(reference.begin(), reference.end());  // std::string compares bytes as unsigned char
    EXPECT_EQ(ascending, reference);

    LineList descending = lines;
    ShellSortLines(descending, true);
    EXPECT_TRUE(std::equal(descending.begin(), descending.end(), ascending.rbegin()));

    LineList empty;
    ShellSortLines(empty, true);
    EXPECT_TRUE(empty.empty());
}

TEST(ConvertNumberToken, AcceptsOnlySignedDecimalDigits) {
    const struct { const char* token; int error; int value; } cases[] = {
        {"7", 0, 7},           {"07", 0, 7},          {"007", 0, 7},
        {"+12", 0, 12},        {"-3", 0, -3},         {"0", 0, 0},
        {"32767", 0, 32767},   {"-32768", 0, -32768}, {"000000000000000000000090", 0, 90},
        {"32768", kErrOverflow, 0},    {"-32769", kErrOverflow, 0}, {"70000", kErrOverflow, 0},
        {"99999999999999999999999", kErrOverflow, 0},
        {"", kErrTypeMismatch, 0},     {"+", kErrTypeMismatch, 0},  {"-", kErrTypeMismatch, 0},
        {"1a", kErrTypeMismatch, 0},   {"a1", kErrTypeMismatch, 0}, {" 1", kErrTypeMismatch, 0},
        {"1 ", kErrTypeMismatch, 0},   {"&H10", kErrTypeMismatch, 0}, {"1e2", kErrTypeMismatch, 0},
        {"1.0", kErrTypeMismatch, 0},  {"--1", kErrTypeMismatch, 0}, {"99999999999999999999x", kErrTypeMismatch, 0},
        {"\xD9\xA3", kErrTypeMismatch, 0},
    };
    for (const auto& c : cases) {
        const NumberToken token = ConvertNumberToken(c.token);
        EXPECT_EQ(token.error, c.error) << '"' << c.token << '"';
        if (c.error == 0) {
            EXPECT_EQ(token.value, c.value) << '"' << c.token << '"';
        }
    }
}

}  // namespace
}  // namespace ordavex
