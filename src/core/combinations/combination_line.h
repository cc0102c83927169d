#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ordavex {

namespace detail {
constexpr std::array<bool, 256> SeparatorTable() {
    std::array<bool, 256> table{};
    for (unsigned char c : {' ', '\t', '\r', ',', '.', ':'}) table[c] = true;
    return table;
}
inline constexpr std::array<bool, 256> kSeparators = SeparatorTable();
}  // namespace detail

// True for the characters that cleaning turns into a blank: the blank itself, tab, CR, comma,
// full stop and colon. A table, since every byte of a file is looked up here.
constexpr bool IsCombinationSeparator(char c) { return detail::kSeparators[static_cast<unsigned char>(c)]; }

// The cleaning rule of a combination line, its six steps in order, each starting from the
// trimmed result of the one before (trimming removes spaces only): tab, CR, comma, full stop
// and colon become blanks one kind at a time, then each pair of blanks becomes one blank in a
// single pass from left to right. So "01 \t 02" keeps three blanks and "01  02" becomes
// "01 02". The result never begins or ends with a blank.
std::string CleanCombinationLine(std::string_view line);

}  // namespace ordavex
