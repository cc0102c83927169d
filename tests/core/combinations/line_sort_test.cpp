#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "app/error_number.h"
#include "app/number_text.h"
#include "combinations/line_sort.h"
#include "combinations/number_token.h"
#include "error_of.h"

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
        EXPECT_EQ(test::ErrorOf([&] { NormalizeCombinations(lines); }), expectedErrors[i]) << "case " << i;
        EXPECT_EQ(lines, cases[i]) << "case " << i;
    }
}

// The routine as first written: each line's numbers read, sorted by value and written in the
// "00" form, then the lines sorted as texts.
LineList NormalizedByReference(LineList lines) {
    for (std::string& line : lines) {
        std::vector<int> numbers;
        std::size_t start = 0;
        while (!line.empty()) {
            const std::size_t end = std::min(line.find(' ', start), line.size());
            numbers.push_back(ConvertNumberToken(std::string_view(line).substr(start, end - start)).value);
            if (end == line.size()) break;
            start = end + 1;
        }
        std::sort(numbers.begin(), numbers.end());
        line.clear();
        for (int number : numbers) line += (line.empty() ? "" : " ") + ZeroPadded(number, 2);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Lines of numbers in every form a loaded file allows: one to three digits, leading zeros,
// signs, repeats, one number to fifteen (longer than the sort's fixed-width key).
LineList RandomNumberLines(std::mt19937& random, int count) {
    const char* const forms[] = {"%d", "%02d", "%03d", "+%d", "-%d"};
    LineList lines;
    for (int i = 0; i < count; ++i) {
        std::string line;
        const int length = 1 + static_cast<int>(random() % 15);
        for (int k = 0; k < length; ++k) {
            char piece[16];
            const int number =
                random() % 4 == 0 ? static_cast<int>(random() % 200) : 1 + static_cast<int>(random() % 9);
            std::snprintf(piece, sizeof piece, forms[random() % std::size(forms)], number);
            line += (k > 0 ? " " : "") + std::string(piece);
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(NormalizeCombinations, AgreesWithTheReferenceOnEveryFormOfLine) {
    std::mt19937 random(11);
    LineList mixed = RandomNumberLines(random, 3000);
    LineList twoDigit = NormalizedByReference(mixed);  // lines in the "00" form, some repeated
    twoDigit.insert(twoDigit.end(), twoDigit.begin(), twoDigit.begin() + 500);
    std::shuffle(twoDigit.begin(), twoDigit.end(), random);
    for (const LineList& input : {mixed, twoDigit, LineList{"", "01", ""}}) {
        LineList lines = input;
        NormalizeCombinations(lines);
        EXPECT_EQ(lines, NormalizedByReference(input));
    }
}

TEST(ShellSortLines, SortsByBytesListsBeyondSixteenBitsAndEmptyLists) {
    // Long shared beginnings, zero and high bytes: equal prefixes and lines longer than the
    // fixed-width key are compared too.
    const std::string alphabet("0 1\0\xFF", 5);
    std::mt19937 random(7);
    LineList lines;
    for (int i = 0; i < 40000; ++i) {
        std::string line = std::string(random() % 40, '0');
        const std::size_t tail = random() % 6;
        for (std::size_t k = 0; k < tail; ++k) line += alphabet[random() % alphabet.size()];
        lines.push_back(line);
    }
    LineList sameLength = RandomNumberLines(random, 2000);  // the lines are rewritten in place
    for (std::string& line : sameLength) line.resize(20, '+');
    for (const LineList& input : {lines, sameLength}) {
        LineList ascending = input;
        ShellSortLines(ascending, false);
        LineList reference = input;
        std::sort(reference.begin(), reference.end());  // std::string compares bytes as unsigned char
        EXPECT_EQ(ascending, reference);

        LineList descending = input;
        ShellSortLines(descending, true);
        EXPECT_TRUE(std::equal(descending.begin(), descending.end(), ascending.rbegin()));
    }

    LineList empty;
    ShellSortLines(empty, true);
    EXPECT_TRUE(empty.empty());
}

TEST(ConvertNumberToken, AcceptsOnlySignedDecimalDigits) {
    const struct {
        const char* token;
        int error;
        int value;
    } cases[] = {
        {"7", 0, 7},
        {"07", 0, 7},
        {"007", 0, 7},
        {"+12", 0, 12},
        {"-3", 0, -3},
        {"0", 0, 0},
        {"32767", 0, 32767},
        {"-32768", 0, -32768},
        {"000000000000000000000090", 0, 90},
        {"32768", kErrOverflow, 0},
        {"-32769", kErrOverflow, 0},
        {"70000", kErrOverflow, 0},
        {"99999999999999999999999", kErrOverflow, 0},
        {"", kErrTypeMismatch, 0},
        {"+", kErrTypeMismatch, 0},
        {"-", kErrTypeMismatch, 0},
        {"1a", kErrTypeMismatch, 0},
        {"a1", kErrTypeMismatch, 0},
        {" 1", kErrTypeMismatch, 0},
        {"1 ", kErrTypeMismatch, 0},
        {"&H10", kErrTypeMismatch, 0},
        {"1e2", kErrTypeMismatch, 0},
        {"1.0", kErrTypeMismatch, 0},
        {"--1", kErrTypeMismatch, 0},
        {"99999999999999999999x", kErrTypeMismatch, 0},
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
