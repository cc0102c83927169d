#pragma once

#include <string_view>

namespace ordavex {

// Calls visit(piece) for every piece of the line split at each single blank. Two blanks in a
// row give an empty piece; an empty line gives no piece at all.
template <typename Visitor>
void ForEachPiece(std::string_view line, Visitor&& visit) {
    if (line.empty()) return;
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(' ', start);
        if (end == std::string_view::npos) {
            visit(line.substr(start));
            return;
        }
        visit(line.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace ordavex
