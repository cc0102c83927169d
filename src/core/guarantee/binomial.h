#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "combinations/number_mask.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

// C(n, k) for n up to the highest number and k up to the numbers of a draw, row n, entry k: every
// count of sets of drawn numbers the guarantee's searches need, each within 64 bits (C(90, 20) is
// about 5.4e18). Pascal's rule fills it without a division.
using BinomialRow = std::array<std::uint64_t, kNumbersPerDraw + 1>;
inline constexpr std::array<BinomialRow, kHighestNumber + 1> kBinomials = [] {
    std::array<BinomialRow, kHighestNumber + 1> table{};
    for (std::size_t n = 0; n < table.size(); ++n) {
        table[n][0] = 1;
        for (std::size_t k = 1; k < table[n].size(); ++k) {
            table[n][k] = n == 0 ? 0 : table[n - 1][k - 1] + table[n - 1][k];
        }
    }
    return table;
}();

// C(n, k): 0 when k < 0 or k > n; for n above the table or min(k, n - k) above a draw, the
// largest count 64 bits hold, more than any table of sets can be.
constexpr std::uint64_t Binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) {
        return 0;
    }
    const int smaller = std::min(k, n - k);
    if (n > kHighestNumber || smaller > kNumbersPerDraw) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    return kBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(smaller)];
}

// The place of a set among all sets of its size in the order of their highest numbers (the
// colexicographic rank): the tables of sets hold each set at this place. The set holds at most a
// draw's numbers.
inline std::uint64_t ColexRank(NumberMask set) {
    std::uint64_t rank = 0;
    std::size_t place = 1;
    for (const int number : set) {
        rank += kBinomials[static_cast<std::size_t>(number - 1)][place++];
    }
    return rank;
}

}  // namespace ordavex
