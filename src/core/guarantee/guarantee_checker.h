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
// A profile entry for fewer drawn numbers than the fixed ones: no such draw holds them all.
constexpr int kPointsNotApplicable = -2;

// How many draws a guarantee reaches: of the `draws` sets of drawn numbers that the checker
// looks at, `uncovered` meet no line in the points.
struct CoverageCount {
    // False when the count did not finish; `uncovered` is then unknown.
    bool completed = false;
    std::uint64_t draws = 0;
    std::uint64_t uncovered = 0;

    std::uint64_t Covered() const { return draws - uncovered; }
};

// Proves what a matrix guarantees: a set of lines over the numbers 1..N guarantees t points when
// p are drawn if every p numbers out of 1..N meet some line in at least t numbers.
//
// The search builds the drawn numbers in ascending order, keeping for every line how many of them
// it holds. A number that would bring some line to t hits can never extend a counterexample, so
// the lines that reach t-1 hits forbid their other numbers, and a branch ends as soon as too few
// allowed numbers are left to reach p. Only the branches that can still fail are visited.
//
// A matrix with fixed numbers promises its guarantee only for the draws that hold them: a checker
// made with `fixed` F looks at the draws that hold 1..F alone, its search starting from them.
class GuaranteeChecker {
public:
    // Lines are sets of numbers within 1..numbers; numbers is N (1..90); 0 <= fixed <= N.
    GuaranteeChecker(std::vector<NumberMask> lines, int numbers, int fixed = 0);

    int Numbers() const { return numbers_; }
    int Fixed() const { return fixed_; }
    // Whether every line holds the fixed numbers 1..F.
    bool LinesHoldTheFixedNumbers() const;
    // How many draws of `drawn` numbers hold 1..F, or none when 64 bits cannot count them.
    std::optional<std::uint64_t> Draws(int drawn) const;

    // Whether every `drawn` numbers (holding 1..F) meet some line in at least `points`; stops at
    // the first counterexample. Requires max(1, F) <= drawn <= N and points >= 0.
    ClaimResult CheckClaim(int points, int drawn, CheckDeadline deadline = {}) const;

    // How many of the draws of `drawn` numbers (holding 1..F) meet no line in `points`, counted
    // exactly: the claim's search counts the failing draws where it would stop at the first (the
    // last two numbers of a draw in bulk), and passes over whole the branches that cannot fail.
    // Requires what CheckClaim does. Not completed when the deadline passes first, or when the
    // draws are too many for 64 bits (C(90, 20) is, C(90, 19) is not), with draws 0 then.
    CoverageCount CountCoverage(int points, int drawn, CheckDeadline deadline = {}) const;

    // The largest number of points, at most `ceiling`, guaranteed when `drawn` numbers are
    // drawn, or kPointsUnknown when the deadline passed first.
    int GuaranteedPoints(int drawn, int ceiling, CheckDeadline deadline = {}) const;
    int GuaranteedPoints(int drawn, CheckDeadline deadline = {}) const;

    // Entry p-1 is the largest guarantee for p drawn, for p = 1..min(N, 20); entries whose check
    // ran out of time (and every later one) are kPointsUnknown, those below F kPointsNotApplicable.
    std::vector<int> Profile(CheckDeadline deadline = {}) const;

private:
    class Search;

    void RequireDrawable(int points, int drawn) const;

    std::vector<NumberMask> lines_;
    int numbers_;
    int fixed_;
    // The lines holding number n are lineIds_[lineStart_[n] .. lineStart_[n+1]).
    std::vector<std::uint32_t> lineStart_;
    std::vector<std::uint32_t> lineIds_;
};

}  // namespace ordavex
