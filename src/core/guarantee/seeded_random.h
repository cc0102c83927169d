#pragma once

#include <cstddef>
#include <cstdint>

#include "combinations/number_mask.h"

namespace ordavex {

// A small generator of its own, so that a seed gives the same matrix on every platform.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in 0..bound-1; bound must be positive.
    std::size_t Below(std::size_t bound) {
        return static_cast<std::size_t>((Next() >> 32) * static_cast<std::uint64_t>(bound) >> 32);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    // A number of the set, each as likely; the set must not be empty.
    int NumberOf(NumberMask set) {
        for (std::size_t skip = Below(static_cast<std::size_t>(set.Count())); skip > 0; --skip) {
            set.RemoveLowest();
        }
        return set.Lowest();
    }
    // The line with random numbers of the pool added, one at a time, until it holds `length`.
    NumberMask Completed(NumberMask line, NumberMask pool, int length) {
        while (line.Count() < length) {
            line.Set(NumberOf(Without(pool, line)));
        }
        return line;
    }

private:
    std::uint64_t state_;
};

}  // namespace ordavex
