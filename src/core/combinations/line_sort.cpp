#include "line_sort.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "app/error_number.h"
#include "combinations/number_token.h"

namespace ordavex {

namespace {

// std::string compares through char_traits<char>, which orders bytes as unsigned values:
// exactly the character-code order that lines are sorted by.
bool Greater(const std::string& a, const std::string& b) { return b < a; }

std::vector<std::int16_t> NumbersOfLine(std::string_view line) {
    std::vector<std::int16_t> numbers;
    if (line.empty()) return numbers;
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(' ', start);
        const auto piece = line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        const NumberToken token = ConvertNumberToken(piece);
        if (token.error != 0) throw OrdavexError(token.error);
        numbers.push_back(token.value);
        if (end == std::string_view::npos) return numbers;
        start = end + 1;
    }
}

void AppendTwoDigits(std::string& text, std::int16_t number) {
    std::int32_t magnitude = number;
    if (magnitude < 0) {
        text += '-';
        magnitude = -magnitude;
    }
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
}

std::string NormalizedLine(std::string_view line) {
    // Numeric order equals the text order of the two-digit pieces that development produces,
    // and stays ascending for numbers written with one digit or more than two.
    std::vector<std::int16_t> numbers = NumbersOfLine(line);
    std::sort(numbers.begin(), numbers.end());
    std::string normalized;
    normalized.reserve(numbers.size() * 3);
    for (std::int16_t number : numbers) {
        if (!normalized.empty()) normalized += ' ';
        AppendTwoDigits(normalized, number);
    }
    return normalized;
}

}  // namespace

void NormalizeCombinations(LineList& lines) {
    LineList normalized;
    normalized.reserve(lines.size());
    for (const auto& line : lines) normalized.push_back(NormalizedLine(line));
    ShellSortLines(normalized, false);
    lines = std::move(normalized);
}

void ShellSortLines(LineList& lines, bool descending) {
    // Equal lines are identical texts, so every correct sort yields the same list; an
    // O(n log n) sort keeps lists of any length fast, where halving Shell gaps can go quadratic.
    if (descending) {
        std::sort(lines.begin(), lines.end(), Greater);
    } else {
        std::sort(lines.begin(), lines.end());
    }
}

}  // namespace ordavex
