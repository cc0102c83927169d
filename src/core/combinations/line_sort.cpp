#include "line_sort.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "app/error_number.h"
#include "app/number_text.h"
#include "combinations/combination_pieces.h"
#include "combinations/number_token.h"

namespace ordavex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int16_t NumberOfPiece(std::string_view piece) {
    // Pieces of one or two plain digits, as development writes them, need no further checks.
    if (piece.size() == 2 && IsDigit(piece[0]) && IsDigit(piece[1])) {
        return static_cast<std::int16_t>((piece[0] - '0') * 10 + (piece[1] - '0'));
    }
    if (piece.size() == 1 && IsDigit(piece[0])) return static_cast<std::int16_t>(piece[0] - '0');
    const NumberToken token = ConvertNumberToken(piece);
    if (token.error != 0) throw OrdavexError(token.error);
    return token.value;
}

// Appends the numbers of a line of whole numbers separated by single blanks. Throws
// OrdavexError for a piece that is not a 16-bit number (the empty piece included).
void ReadNumbers(std::string_view line, std::vector<std::int16_t>& numbers) {
    ForEachPiece(line, [&numbers](std::string_view piece) { numbers.push_back(NumberOfPiece(piece)); });
}

// The "00" form: at least two digits, so 7 is written 07, 45 stays 45 and 120 stays 120.
constexpr int kNormalizedDigits = 2;

// Numeric order equals the text order of the two-digit pieces that development produces,
// and stays ascending for numbers written with one digit or more than two.
void WriteNormalized(std::int16_t* first, std::int16_t* last, std::string& line) {
    std::sort(first, last);
    line.clear();
    for (const std::int16_t* number = first; number != last; ++number) {
        if (!line.empty()) line += ' ';
        AppendZeroPadded(line, *number, kNormalizedDigits);
    }
}

// Eight bytes of a line from `at` as one unsigned number, most significant first, so that
// comparing numbers compares those bytes by character code. A line that ends earlier is padded
// with zeros; lines whose keys are equal are compared in full.
std::uint64_t KeyAt(const std::string& line, std::size_t at) {
    std::uint64_t key = 0;
    for (std::size_t i = at; i < at + 8; ++i) key = (key << 8) | (i < line.size() ? static_cast<unsigned char>(line[i]) : 0u);
    return key;
}

constexpr std::size_t kKeyBytes = 16;

// Orders two lines whose first sixteen bytes, as keys, are equal.
bool TailLess(const std::string& a, const std::string& b) {
    // Padding makes a short line's key equal to that of a line with zero bytes there.
    if (a.size() < kKeyBytes || b.size() < kKeyBytes) return a < b;
    return std::string_view(a).substr(kKeyBytes) < std::string_view(b).substr(kKeyBytes);
}

struct KeyedLine {
    std::uint64_t head;  // bytes 1..8
    std::uint64_t next;  // bytes 9..16
    std::size_t index;
};

}  // namespace

void NormalizeCombinations(LineList& lines) {
    // Every line is read before any is rewritten, so a refused list stays as it was.
    std::vector<std::int16_t> numbers;
    std::vector<std::size_t> ends(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ReadNumbers(lines[i], numbers);
        ends[i] = numbers.size();
    }
    std::size_t begin = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        WriteNormalized(numbers.data() + begin, numbers.data() + ends[i], lines[i]);
        begin = ends[i];
    }
    ShellSortLines(lines, false);
}

void ShellSortLines(LineList& lines, bool descending) {
    // Equal lines are identical texts, so every correct sort yields the same list. Sorting short
    // keys beside the positions, instead of the texts themselves, keeps the work in the cache
    // and O(n log n) for lists of any length.
    std::vector<KeyedLine> keyed(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) keyed[i] = {KeyAt(lines[i], 0), KeyAt(lines[i], 8), i};
    const auto ascending = [&lines](const KeyedLine& a, const KeyedLine& b) {
        if (a.head != b.head) return a.head < b.head;
        if (a.next != b.next) return a.next < b.next;
        return TailLess(lines[a.index], lines[b.index]);
    };
    if (descending) {
        std::sort(keyed.begin(), keyed.end(), [&ascending](const KeyedLine& a, const KeyedLine& b) { return ascending(b, a); });
    } else {
        std::sort(keyed.begin(), keyed.end(), ascending);
    }
    LineList sorted;
    sorted.reserve(lines.size());
    for (const auto& entry : keyed) sorted.push_back(std::move(lines[entry.index]));
    lines.swap(sorted);
}

}  // namespace ordavex
