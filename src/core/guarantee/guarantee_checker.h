#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "combinations/number_mask.h"
#include "lottery/draw_size.h"

namespace ordavex {

// The latest moment a check may run to; none means no limit.
using CheckDeadline = std::optional<std::chrono::steady_clock::time_point>;

enum class ClaimStatus { kHolds, kFails, kNotCompleted };

struct ClaimResult {
    ClaimStatus status = ClaimStatus::kNotCompleted;
    // When the claim fails: drawn numbers, ascending, that no line meets in the claimed points.
    std::vector<int> counterexample;
};

// A profile entry whose check ran out of time.
constexpr int kPointsUnknown = -1;

// Proves what a matrix guarantees: a set of lines over the numbers 1..N guarantees t points when
// p are drawn if every p numbers out of 1..N meet some line in at least t numbers.
//
// The search builds the drawn numbers in ascending order, keeping for every line how many of them
// it holds. A number that would bring some line to t hits can never extend a counterexample, so
// the lines that reach t-1 hits forbid their other numbers, and a branch ends as soon as too few
// allowed numbers are left to reach p. Only the branches that can still fail are visited.
class GuaranteeChecker {
public:
    // Lines are sets of numbers within 1..numbers; numbers is N (1..90).
    GuaranteeChecker(std::vector<NumberMask> lines, int numbers);

    int Numbers() const { return numbers_; }

    // Whether every `drawn` numbers meet some line in at least `points`; stops at the first
    // counterexample. Requires 1 <= drawn <= N and points >= 0.
    ClaimResult CheckClaim(int points, int drawn, CheckDeadline deadline = {}) const;

    // The largest number of points, at most `ceiling`, guaranteed when `drawn` numbers are
    // drawn, or kPointsUnknown when the deadline passed first.
    int GuaranteedPoints(int drawn, int ceiling, CheckDeadline deadline = {}) const;
    int GuaranteedPoints(int drawn, CheckDeadline deadline = {}) const;

    // Entry p-1 is the largest guarantee for p drawn, for p = 1..min(N, 20); entries whose check
    // ran out of time (and every later one) are kPointsUnknown.
    std::vector<int> Profile(CheckDeadline deadline = {}) const;

private:
    class Search;

    std::vector<NumberMask> lines_;
    int numbers_;
    // The lines holding number n are lineIds_[lineStart_[n] .. lineStart_[n+1]).
    std::vector<std::uint32_t> lineStart_;
    std::vector<std::uint32_t> lineIds_;
};

}  // namespace ordavex
