#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <mutex>
#include <vector>

#include "combinations/number_mask.h"

namespace ordavex {

// What the searches running side by side share: the smallest complete matrix any of them has met,
// and their moves.
struct SharedSearch {
    std::uint64_t lowerBound = 0;
    std::atomic<std::size_t> bestLines{0};
    std::atomic<std::uint64_t> moves{0};
    // Set when one reached the lower bound (or failed): the others stop too.
    std::atomic<bool> stop{false};
    // With a budget: the fewest sets a matrix of the budget's lines left uncovered in any search.
    std::atomic<std::uint64_t> bestUncovered{std::numeric_limits<std::uint64_t>::max()};

    // A search met a complete matrix.
    void OfferComplete(const std::vector<NumberMask>& lines) {
        {
            const std::lock_guard lock(matrixMutex_);
            if (matrix_.empty() || lines.size() < matrix_.size()) {
                matrix_ = lines;
                bestLines = lines.size();
            }
        }
        if (lines.size() <= lowerBound) {
            stop = true;
        }
    }

    // The lines of the smallest complete matrix offered, 0 before the first.
    std::size_t SmallestMatrixLines() const { return bestLines.load(); }
    std::vector<NumberMask> SmallestMatrix() const {
        const std::lock_guard lock(matrixMutex_);
        return matrix_;
    }

    // A search met a matrix of the budget's lines that leaves `uncovered` sets uncovered.
    void OfferPartial(std::uint64_t uncovered) {
        std::uint64_t fewest = bestUncovered.load();
        while (uncovered < fewest && !bestUncovered.compare_exchange_weak(fewest, uncovered)) {
        }
    }

private:
    mutable std::mutex matrixMutex_;
    std::vector<NumberMask> matrix_;
};

}  // namespace ordavex
