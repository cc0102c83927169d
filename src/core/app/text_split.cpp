#include "text_split.h"

namespace ordavex {

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    ForEachPiece(text, separator, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
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
