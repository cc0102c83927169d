#pragma once

#include <cstdint>
#include <string>

namespace ordavex {

// The play a matrix is made for: lines of `length` numbers over 1..`numbers`, the first `fixed`
// of them in every line, guaranteeing `points` points whenever `drawn` of the numbers are drawn,
// the fixed ones among them.
struct MatrixPlay {
    int numbers = 0;
    int length = 0;
    int fixed = 0;
    int drawn = 0;
    int points = 0;

    friend bool operator==(const MatrixPlay&, const MatrixPlay&) = default;
};

// Why no matrix can be made for the play, in Italian and saying what fits; empty when one can.
// `budget` is a most number of lines (0: none).
std::string PlayRefusal(const MatrixPlay& play, std::uint64_t budget = 0);

// The sets of drawn numbers a search for the play has to look at: C(N - F, p - F).
std::uint64_t PlaySetCount(const MatrixPlay& play);

// Fewest lines any matrix for the play can have; the play must be accepted by PlayRefusal.
std::uint64_t PlayLowerBound(const MatrixPlay& play);

// The chance that the play's condition happens in one draw of 20 numbers out of 90: the F fixed
// numbers and at least p - F more of the N are drawn.
long double PlayChance(const MatrixPlay& play);

// "6 se 8 (2 fisse)": the guarantee as the player says it.
std::string PlayGuaranteeText(const MatrixPlay& play);

}  // namespace ordavex
