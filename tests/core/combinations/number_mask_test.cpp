#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

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

// Masks of every shape the generator meets: sparse and dense, in either word or both, empty,
// prefixes of one another, and numbers on both sides of the word boundary (64 | 65).
std::vector<NumberMask> AssortedMasks() {
    std::vector<NumberMask> masks = {{},
                                     NumberMask::Of(1),
                                     NumberMask::Of(64),
                                     NumberMask::Of(65),
                                     NumberMask::Of(90),
                                     NumberMask::FirstNumbers(64),
                                     NumberMask::FirstNumbers(65),
                                     NumberMask::FirstNumbers(90),
                                     NumberMask::Of(64) | NumberMask::Of(65),
                                     {0, ~std::uint64_t{0}}};
    std::mt19937_64 random(11);
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t words[] = {random() & random() & random(), random() & random() & random()};
        NumberMask mask{words[0], words[1] & ((std::uint64_t{1} << 26) - 1)};
        masks.push_back(mask);
        // The same mask with its highest numbers cut off: a prefix of it.
        for (int cut = 0; cut < 3 && !mask.Empty(); ++cut) {
            NumberMask prefix;
            int kept = 0;
            for (int number = 1; number <= 90; ++number) {
                if (mask.Has(number) && ++kept <= mask.Count() / 2) prefix.Set(number);
            }
            masks.push_back(prefix);
            mask = prefix;
        }
    }
    return masks;
}

std::vector<int> NumbersByHas(NumberMask mask) {
    std::vector<int> numbers;
    for (int number = 1; number <= 128; ++number) {
        if (mask.Has(number)) numbers.push_back(number);
    }
    return numbers;
}

TEST(NumberMaskTest, ItsNumbersComeAscendingInARangeFor) {
    for (const NumberMask mask : AssortedMasks()) {
        std::vector<int> walked;
        for (const int number : mask) {
            walked.push_back(number);
        }
        ASSERT_EQ(walked, NumbersByHas(mask)) << mask.low << ' ' << mask.high;
        EXPECT_EQ(std::distance(mask.begin(), mask.end()), mask.Count());
    }
}

TEST(NumberMaskTest, SetsAreOrderedAsTheirAscendingNumbersAreAsWords) {
    const std::vector<NumberMask> masks = AssortedMasks();
    for (const NumberMask a : masks) {
        for (const NumberMask b : masks) {
            const std::vector<int> left = NumbersByHas(a);
            const std::vector<int> right = NumbersByHas(b);
            const bool less = std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end());
            ASSERT_EQ(a < b, less) << a.low << ' ' << a.high << " / " << b.low << ' ' << b.high;
            ASSERT_EQ(a == b, left == right);
            ASSERT_EQ(a > b, !less && left != right);
        }
    }
    EXPECT_LT(NumberMask::Of(1) | NumberMask::Of(5), NumberMask::Of(1) | NumberMask::Of(6));
    EXPECT_LT(NumberMask::Of(1) | NumberMask::Of(6), NumberMask::Of(2));
    EXPECT_LT(NumberMask::Of(1) | NumberMask::Of(5), NumberMask::Of(1) | NumberMask::Of(5) | NumberMask::Of(9));
    EXPECT_LT(NumberMask(), NumberMask::Of(90));
}

}  // namespace
}  // namespace ordavex
