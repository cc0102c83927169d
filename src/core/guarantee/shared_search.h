#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ordavex {

// What the searches running side by side share: the size of the smallest complete matrix any of
// them has met, and their moves.
struct SharedSearch {
    std::uint64_t lowerBound = 0;
    std::atomic<std::size_t> bestLines{0};
    std::atomic<std::uint64_t> moves{0};
    // Set when one reached the lower bound (or failed): the others stop too.
    std::atomic<bool> stop{false};
    // With a budget: the fewest sets a matrix of the budget's lines left uncovered in any search.
    std::atomic<std::uint64_t> bestUncovered{std::numeric_limits<std::uint64_t>::max()};

    // A search met a complete matrix of `lines` lines.
    void OfferComplete(std::size_t lines) {
        std::size_t smallest = bestLines.load();
        while ((smallest == 0 || lines < smallest) && !bestLines.compare_exchange_weak(smallest, lines)) {
        }
        if (lines <= lowerBound) {
            stop = true;
        }
    }

    // A search met a matrix of the budget's lines that leaves `uncovered` sets uncovered.
    void OfferPartial(std::uint64_t uncovered) {
        std::uint64_t fewest = bestUncovered.load();
        while (uncovered < fewest && !bestUncovered.compare_exchange_weak(fewest, uncovered)) {
        }
    }
};

}  // namespace ordavex
