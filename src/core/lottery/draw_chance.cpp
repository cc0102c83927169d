#include "lottery/draw_chance.h"

#include <algorithm>

namespace ordavex {

namespace {

// C(n, k) as an exact integer while it fits the mantissa; with a relative error near 1e-19 beyond.
long double Binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    k = std::min(k, n - k);
    long double value = 1;
    for (int i = 1; i <= k; ++i) value = value * static_cast<long double>(n - k + i) / i;
    return value;
}

}  // namespace

long double ProbabilityAtLeast(int chosen, int wanted, int pool, int drawn) {
    if (wanted <= 0) return 1;
    long double favourable = 0;
    for (int k = wanted; k <= std::min(chosen, drawn); ++k) {
        favourable += Binomial(chosen, k) * Binomial(pool - chosen, drawn - k);
    }
    return favourable / Binomial(pool, drawn);
}

long double ProbabilityWithFixed(int chosen, int fixed, int wanted) {
    if (fixed <= 0) return ProbabilityAtLeast(chosen, wanted);
    // Once the fixed numbers are drawn, the other 20 - F come from the other 90 - F numbers.
    return ProbabilityAtLeast(fixed, fixed) *
           ProbabilityAtLeast(chosen - fixed, wanted - fixed, kHighestNumber - fixed, kNumbersPerDraw - fixed);
}

}  // namespace ordavex
