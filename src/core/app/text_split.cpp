#include "text_split.h"

namespace ordavex {

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string PipesToLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '|') {
            result += '\n';
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace ordavex
