#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "combinations/number_mask.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

// Calls visit with every `take`-number subset of pool[0..size) as a mask. A visit may return a
// bool: false ends the walk at once, and ForEachChoice then returns false.
template <class Visit>
bool ForEachChoice(const int* pool, int size, int take, Visit&& visit) {
    if (take < 0 || take > size) {
        return true;
    }
    std::array<int, kNumbersPerDraw + 1> index{};
    for (int i = 0; i < take; ++i) {
        index[static_cast<std::size_t>(i)] = i;
    }
    for (;;) {
        NumberMask chosen;
        for (int i = 0; i < take; ++i) {
            chosen.Set(pool[index[static_cast<std::size_t>(i)]]);
        }
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, NumberMask>, bool>) {
            if (!visit(chosen)) {
                return false;
            }
        } else {
            visit(chosen);
        }
        int i = take - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == size - take + i) {
            --i;
        }
        if (i < 0) {
            return true;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < take; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j) - 1] + 1;
        }
    }
}

// The numbers of a set, ascending, into pool; returns how many.
inline int ToPool(NumberMask set, std::array<int, kHighestNumber>& pool) {
    int size = 0;
    for (const int number : set) {
        pool[static_cast<std::size_t>(size++)] = number;
    }
    return size;
}

}  // namespace ordavex
