#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "combinations/number_mask.h"

namespace ordavex {
namespace {

// The count is computed without the processor's bit-count instruction on some builds; it must
// agree with the standard count on every word pattern, including all 128 bits set.
TEST(NumberMaskTest, CountsEveryBitOfBothWords) {
    const std::uint64_t all = ~std::uint64_t{0};
    const NumberMask patterns[] = {{0, 0},
                                   {all, all},
                                   {all, 0},
                                   {0, all},
                                   {1, 0},
                                   {0, std::uint64_t{1} << 63},
                                   {0x8000000000000001ULL, 0x3FFFFFFULL}};
    std::mt19937_64 random(7);
    for (NumberMask mask : patterns) {
        EXPECT_EQ(mask.Count(), std::popcount(mask.low) + std::popcount(mask.high));
    }
    for (int i = 0; i < 10000; ++i) {
        const NumberMask mask{random() & random(), random() | random()};
        ASSERT_EQ(mask.Count(), std::popcount(mask.low) + std::popcount(mask.high)) << mask.low << ' ' << mask.high;
    }
    EXPECT_EQ(NumberMask::FirstNumbers(90).Count(), 90);
    EXPECT_EQ(CommonCount(NumberMask::FirstNumbers(90), NumberMask::FirstNumbers(70)), 70);
}

}  // namespace
}  // namespace ordavex
