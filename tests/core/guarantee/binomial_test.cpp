#include "guarantee/binomial.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>

namespace ordavex {
namespace {

// C(n, k) by the product formula, one factor at a time: C(n, i) = C(n, i - 1) (n - i + 1) / i,
// dividing before multiplying so that nothing overflows below the result.
std::uint64_t ByProduct(int n, int k) {
    std::uint64_t count = 1;
    for (int i = 1; i <= k; ++i) {
        const auto factor = static_cast<std::uint64_t>(n - i + 1);
        const auto divisor = static_cast<std::uint64_t>(i);
        const std::uint64_t common = std::gcd(count, divisor);
        count = count / common * (factor / (divisor / common));
    }
    return count;
}

TEST(BinomialTest, CountsEverySetOfDrawnNumbersOfUpTo90) {
    for (int n = 0; n <= 90; ++n) {
        for (int k = 0; k <= std::min(n, 20); ++k) {
            ASSERT_EQ(Binomial(n, k), ByProduct(n, k)) << n << ' ' << k;
            ASSERT_EQ(Binomial(n, n - k), Binomial(n, k)) << n << ' ' << k;
        }
        EXPECT_EQ(Binomial(n, -1), 0U);
        EXPECT_EQ(Binomial(n, n + 1), 0U);
    }
    EXPECT_EQ(Binomial(-1, 0), 0U);
    // Beyond what the searches need the count only says "more than any table".
    EXPECT_EQ(Binomial(90, 45), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(Binomial(91, 2), std::numeric_limits<std::uint64_t>::max());
}

}  // namespace
}  // namespace ordavex
