#include "combination_line.h"

namespace ordavex {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string TrimmedWithReplaced(const std::string& text, char replaced) {
    std::string result = Trimmed(text);
    for (char& c : result) {
        if (c == replaced) c = ' ';
    }
    return result;
}

// Replaces "  " by " " scanning once from the left; what a replacement produces is not
// looked at again, so three blanks become two and four become two.
std::string PairsOfBlanksHalved(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') ++i;
    }
    return result;
}

// A line that has single blanks only between other characters and none of the other
// separators comes out of the six steps as it went in; the lines of real files are like that.
bool IsAlreadyClean(std::string_view line) {
    if (!line.empty() && (line.front() == ' ' || line.back() == ' ')) return false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' ? line[i + 1] == ' ' : IsCombinationSeparator(c)) return false;
    }
    return true;
}

}  // namespace

std::string CleanCombinationLine(std::string_view line) {
    if (IsAlreadyClean(line)) return std::string(line);
    std::string text(line);
    for (char replaced : {'\t', '\r', ',', '.', ':'}) text = TrimmedWithReplaced(text, replaced);
    return PairsOfBlanksHalved(Trimmed(text));
}

}  // namespace ordavex
