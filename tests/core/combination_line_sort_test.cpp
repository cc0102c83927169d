#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "app/error_number.h"
#include "combinations/line_sort.h"
#include "combinations/number_token.h"

namespace ordavex {
namespace {

struct NormalizeCase {
    LineList input;
    LineList expected;
};

class NormalizeCombinationsTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeCombinationsTest, RewritesAndSorts) {
    LineList lines = GetParam().input;
    NormalizeCombinations(lines);
    EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeCombinationsTest,
    testing::Values(NormalizeCase{{}, {}},
                    NormalizeCase{{"33 05 12"}, {"05 12 33"}},
                    NormalizeCase{{"90 01 45"}, {"01 45 90"}},
                    NormalizeCase{{"07 07 08"}, {"07 07 08"}},
                    NormalizeCase{{"7 1 3"}, {"01 03 07"}},
                    // Ascending by value even where the text order of the pieces differs.
                    NormalizeCase{{"12 7 100"}, {"07 12 100"}},
                    NormalizeCase{{"01 02 04 05", "01 02 03 05", "01 02 03 04"},
                                  {"01 02 03 04", "01 02 03 05", "01 02 04 05"}},
                    NormalizeCase{{"01 03", "01 02 03", "01 02"}, {"01 02", "01 02 03", "01 03"}},
                    NormalizeCase{{"05 04 03 02 01", "10 09 08 07 06", "01 02 03 04 05"},
                                  {"01 02 03 04 05", "01 02 03 04 05", "06 07 08 09 10"}}));

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

TEST(ShellSortLines, OrdersByCharacterCode) {
    LineList lines{"01 02 03", "b", "01 03", "B", "01 02", "\xE8", "a", "01 02", "Z"};
    ShellSortLines(lines, false);
    EXPECT_EQ(lines, (LineList{"01 02", "01 02", "01 02 03", "01 03", "B", "Z", "a", "b", "\xE8"}))
        << "bytes above 127 sort after ASCII; capitals before small letters";

    LineList descending{"01 02", "03 04", "02 03"};
    ShellSortLines(descending, true);
    EXPECT_EQ(descending, (LineList{"03 04", "02 03", "01 02"}));
}

TEST(ShellSortLines, EmptyAndSingleLists) {
    LineList empty;
    ShellSortLines(empty, false);
    ShellSortLines(empty, true);
    EXPECT_TRUE(empty.empty());
    LineList one{"5 4"};
    ShellSortLines(one, true);
    EXPECT_EQ(one, LineList{"5 4"});
}

TEST(ShellSortLines, SortsListsBeyondSixteenBitsWithRepeats) {
    // Lines share long beginnings and hold zero and high bytes, so that texts equal in their first
    // bytes, and a line against a longer one with zero bytes after it, are compared too.
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
    std::stable_sort(reference.begin(), reference.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
    });
    EXPECT_EQ(ascending, reference);

    LineList descending = lines;
    ShellSortLines(descending, true);
    EXPECT_TRUE(std::equal(descending.begin(), descending.end(), ascending.rbegin()));
}

struct TokenCase {
    const char* token;
    int error;
    int value;
};

TEST(ConvertNumberToken, AcceptsOnlySignedDecimalDigits) {
    const TokenCase cases[] = {
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
