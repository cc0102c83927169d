#include "line_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "app/error_number.h"
#include "app/number_text.h"
#include "app/text_split.h"
#include "combinations/number_token.h"

namespace ordavex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::int16_t NumberOfPiece(std::string_view piece) {
    // Pieces of one or two plain digits, as most lines hold, need no further checks.
    if (piece.size() == 2 && IsDigit(piece[0]) && IsDigit(piece[1])) {
        return static_cast<std::int16_t>((piece[0] - '0') * 10 + (piece[1] - '0'));
    }
    if (piece.size() == 1 && IsDigit(piece[0])) return static_cast<std::int16_t>(piece[0] - '0');
    const NumberToken token = ConvertNumberToken(piece);
    if (token.error != 0) throw OrdavexError(token.error);
    return token.value;
}

// Lines in the "00" form, the usual case, are read without splitting them: false, with
// nothing appended, for any other line.
bool ReadTwoDigitLine(std::string_view line, std::vector<std::int16_t>& numbers) {
    if (line.size() % 3 != 2) return false;
    for (std::size_t i = 0; i < line.size(); i += 3) {
        if (!IsDigit(line[i]) || !IsDigit(line[i + 1]) || (i + 2 < line.size() && line[i + 2] != ' ')) return false;
    }
    for (std::size_t i = 0; i < line.size(); i += 3) {
        numbers.push_back(static_cast<std::int16_t>((line[i] - '0') * 10 + (line[i + 1] - '0')));
    }
    return true;
}

// Appends the numbers of a line of whole numbers separated by single blanks. Throws
// OrdavexError for a piece that is not a 16-bit number (the empty piece included).
void ReadNumbers(std::string_view line, std::vector<std::int16_t>& numbers) {
    if (ReadTwoDigitLine(line, numbers)) return;
    ForEachPiece(line, ' ', [&numbers](std::string_view piece) { numbers.push_back(NumberOfPiece(piece)); });
}

// The texts of a list one after the other in one buffer: sorting reads them there, close
// together, and writes them back into the list in their new order.
class PackedTexts {
public:
    explicit PackedTexts(std::size_t count) { ends_.reserve(count); }

    std::string& Text() { return text_; }
    void EndText() { ends_.push_back(text_.size()); }
    std::size_t Count() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(start, ends_[i] - start);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

PackedTexts PackedCopy(const LineList& lines) {
    PackedTexts packed(lines.size());
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size();
    packed.Text().reserve(size);
    for (const std::string& line : lines) {
        packed.Text() += line;
        packed.EndText();
    }
    return packed;
}

// The "00" form: at least two digits, so 7 is written 07, 45 stays 45 and 120 stays 120.
constexpr int kNormalizedDigits = 2;

// The numbers 0..99 of a line as bits, when each appears at most once; those are written in
// exactly two digits, and the bits give them in ascending order without a sort.
struct TwoDigitSet {
    std::array<std::uint64_t, 2> bits{};

    bool Add(std::int16_t number) {
        if (number < 0 || number > 99) return false;
        std::uint64_t& word = bits[static_cast<std::size_t>(number) / 64];
        const std::uint64_t bit = std::uint64_t{1} << (number % 64);
        if ((word & bit) != 0) return false;
        word |= bit;
        return true;
    }
};

void AppendTwoDigitSet(const TwoDigitSet& set, std::size_t count, std::string& text) {
    const std::size_t start = text.size();
    text.resize(start + count * 3 - 1);
    std::size_t at = start;
    for (std::size_t w = 0; w < set.bits.size(); ++w) {
        for (std::uint64_t word = set.bits[w]; word != 0; word &= word - 1) {
            const int number = static_cast<int>(w * 64) + std::countr_zero(word);
            if (at != start) text[at++] = ' ';
            text[at++] = static_cast<char>('0' + number / 10);
            text[at++] = static_cast<char>('0' + number % 10);
        }
    }
}

// Numeric order equals the text order of the two-digit pieces that development produces,
// and stays ascending for numbers written with one digit or more than two.
void AppendNormalized(std::int16_t* first, std::int16_t* last, std::string& text) {
    if (first == last) return;
    TwoDigitSet set;
    if (std::all_of(first, last, [&set](std::int16_t number) { return set.Add(number); })) {
        AppendTwoDigitSet(set, static_cast<std::size_t>(last - first), text);
        return;
    }
    std::sort(first, last);
    for (const std::int16_t* number = first; number != last; ++number) {
        if (number != first) text += ' ';
        AppendZeroPadded(text, *number, kNormalizedDigits);
    }
}

// Sorting compares fixed-width keys beside the positions, instead of the texts themselves: the
// work stays in the cache and O(n log n) for any count. A key holds the first kKeyBytes bytes
// of a text, zero-padded, as words with the earlier bytes more significant, so that comparing
// the words in turn compares those bytes by character code. A line of ten numbers in the "00"
// form (29 bytes) fits whole, so its order never looks further than the key.
constexpr std::size_t kKeyWords = 4;
constexpr std::size_t kKeyBytes = kKeyWords * 8;

// The count of lines in the program's state is a 32-bit value, so positions fit in 32 bits.
struct SortKey {
    std::array<std::uint64_t, kKeyWords> words;
    std::uint32_t length;  // the text's length, or kKeyBytes + 1 for any longer text
    std::uint32_t index;
};

SortKey KeyOf(std::string_view text, std::size_t index) {
    std::array<unsigned char, kKeyBytes> bytes{};
    std::memcpy(bytes.data(), text.data(), std::min(text.size(), kKeyBytes));
    SortKey key{};
    for (std::size_t w = 0; w < kKeyWords; ++w) {
        for (std::size_t b = 0; b < 8; ++b) key.words[w] = (key.words[w] << 8) | bytes[w * 8 + b];
    }
    key.length = static_cast<std::uint32_t>(std::min(text.size(), kKeyBytes + 1));
    key.index = static_cast<std::uint32_t>(index);
    return key;
}

// Text order from the keys. Equal keys mean equal first bytes, where a text that ends early
// reads as zeros: between texts that both fit, the shorter is then a beginning of the longer;
// otherwise the bytes beyond the key decide, an empty rest sorting first.
class KeyOrder {
public:
    explicit KeyOrder(const PackedTexts& texts) : texts_(texts) {}

    bool operator()(const SortKey& a, const SortKey& b) const {
        for (std::size_t w = 0; w < kKeyWords; ++w) {
            if (a.words[w] != b.words[w]) return a.words[w] < b.words[w];
        }
        if (a.length <= kKeyBytes && b.length <= kKeyBytes) return a.length < b.length;
        return Rest(a) < Rest(b);
    }

private:
    std::string_view Rest(const SortKey& key) const {
        return key.length > kKeyBytes ? texts_[key.index].substr(kKeyBytes) : std::string_view();
    }

    const PackedTexts& texts_;
};

// The positions of the texts in text order.
std::vector<std::uint32_t> SortedPositions(const PackedTexts& texts, bool descending) {
    std::vector<SortKey> keys;
    keys.reserve(texts.Count());
    for (std::size_t i = 0; i < texts.Count(); ++i) keys.push_back(KeyOf(texts[i], i));
    const KeyOrder ascending(texts);
    if (descending) {
        std::sort(keys.begin(), keys.end(),
                  [&ascending](const SortKey& a, const SortKey& b) { return ascending(b, a); });
    } else {
        std::sort(keys.begin(), keys.end(), ascending);
    }
    std::vector<std::uint32_t> positions(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) positions[k] = keys[k].index;
    return positions;
}

// Line k becomes the text at the k-th position. Lines are overwritten in place only when every
// one has room for its new text, as in a list of equal-length lines, so nothing can fail
// halfway; otherwise a new list is built and swapped in. Either way the texts lie in memory in
// the order of the list, which keeps later passes over it, and freeing it, fast.
void WriteInOrder(const PackedTexts& texts, const std::vector<std::uint32_t>& positions, LineList& lines) {
    const bool roomEverywhere = lines.size() == positions.size() && [&] {
        for (std::size_t k = 0; k < positions.size(); ++k) {
            if (lines[k].capacity() < texts[positions[k]].size()) return false;
        }
        return true;
    }();
    if (roomEverywhere) {
        for (std::size_t k = 0; k < positions.size(); ++k) lines[k].assign(texts[positions[k]]);
        return;
    }
    LineList written;
    written.reserve(positions.size());
    for (const std::uint32_t position : positions) written.emplace_back(texts[position]);
    lines.swap(written);
}

// Reads every line before any is rewritten, so a refused list stays as it was.
NumberLines ReadNumberLines(const LineList& lines) {
    NumberLines read;
    read.Reserve(lines);
    for (const std::string& line : lines) {
        ReadNumbers(line, read.numbers);
        read.ends.push_back(read.numbers.size());
    }
    return read;
}

}  // namespace

void WriteNormalizedLines(NumberLines& read, LineList& lines) {
    PackedTexts normalized(read.ends.size());
    normalized.Text().reserve(read.numbers.size() * 3);  // exact for numbers of two digits
    std::size_t begin = 0;
    for (const std::size_t end : read.ends) {
        AppendNormalized(read.numbers.data() + begin, read.numbers.data() + end, normalized.Text());
        normalized.EndText();
        begin = end;
    }
    WriteInOrder(normalized, SortedPositions(normalized, false), lines);
}

void NormalizeCombinations(LineList& lines) {
    NumberLines read = ReadNumberLines(lines);
    WriteNormalizedLines(read, lines);
}

void ShellSortLines(LineList& lines, bool descending) {
    // Equal lines are identical texts, so every correct sort yields the same list.
    const PackedTexts texts = PackedCopy(lines);
    WriteInOrder(texts, SortedPositions(texts, descending), lines);
}

}  // namespace ordavex
