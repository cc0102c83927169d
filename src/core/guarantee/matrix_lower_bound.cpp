#include "guarantee/matrix_lower_bound.h"

#include <algorithm>

#include "guarantee/binomial.h"

namespace ordavex {

namespace {

std::uint64_t CeilDivide(std::uint64_t numerator, std::uint64_t denominator) {
    return (numerator + denominator - 1) / denominator;
}

std::uint64_t SchoenheimBound(int numbers, int length, int points) {
    std::uint64_t bound = 1;
    for (int i = points - 1; i >= 0; --i) {
        bound = CeilDivide(bound * static_cast<std::uint64_t>(numbers - i), static_cast<std::uint64_t>(length - i));
    }
    return bound;
}

// Sets of p numbers that meet one line of k numbers in t or more.
std::uint64_t SetsOneLineCovers(int numbers, int length, int drawn, int points) {
    std::uint64_t count = 0;
    for (int common = points; common <= std::min(length, drawn); ++common) {
        count += Binomial(length, common) * Binomial(numbers - length, drawn - common);
    }
    return count;
}

}  // namespace

std::uint64_t MatrixLowerBound(int numbers, int length, int drawn, int points) {
    const auto n = static_cast<std::uint64_t>(numbers);
    std::uint64_t bound = CeilDivide(n, static_cast<std::uint64_t>(length));
    bound = std::max(bound, CeilDivide(Binomial(numbers, drawn), SetsOneLineCovers(numbers, length, drawn, points)));
    if (drawn == points) {
        bound = std::max(bound, SchoenheimBound(numbers, length, points));
    }
    return bound;
}

}  // namespace ordavex
