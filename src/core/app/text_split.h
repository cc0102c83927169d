#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ordavex {

// The plain split, shared by every text whose pieces are exactly what stands between two
// separators: calls visit(piece) for each piece at every occurrence of the separator. An empty
// text yields no piece; otherwise n separators yield n + 1 pieces, empty ones included, so that
// two separators in a row say something (an empty piece) rather than vanish. A combination line
// that still has to be cleaned is not split here but by CombinationTokenizer, whose rules are
// those of the file format.
template <typename Visitor>
void ForEachPiece(std::string_view text, char separator, Visitor&& visit) {
    if (text.empty()) return;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + 1;
    }
}

// The pieces of ForEachPiece, kept.
std::vector<std::string> SplitText(std::string_view text, char separator);

// Replaces every "|" by a line break.
std::string PipesToLineBreaks(std::string_view text);

}  // namespace ordavex
