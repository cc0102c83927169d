#pragma once

#include <cstddef>

namespace ordavex {

// Which draws of an archive the player looks at: all of them, the latest few, or the draws
// between two positions.
struct DrawRangeChoice {
    enum class Kind { kAll, kLatest, kFromTo };
    Kind kind = Kind::kAll;
    std::size_t latest = 0;  // how many of the latest draws, for kLatest
    std::size_t from = 1;    // 1-based positions, both included, for kFromTo
    std::size_t to = 0;
};

// Positions [first, end) of an archive's draws.
struct DrawRange {
    std::size_t first = 0;
    std::size_t end = 0;

    bool Empty() const { return first >= end; }
    std::size_t Size() const { return Empty() ? 0 : end - first; }
};

// The draws of an archive of `count` draws that the choice names, kept inside the archive; empty
// when "from" lies after "to".
DrawRange RangeOfChoice(const DrawRangeChoice& choice, std::size_t count);

}  // namespace ordavex
