#pragma once

#include <optional>
#include <string_view>

#include "combinations/matrix_name.h"

namespace ordavex {

// What a matrix's file name promises: `points` points on lines of `length` numbers whenever
// `drawn` of its numbers are drawn.
struct GuaranteeClaim {
    int length = 0;
    int drawn = 0;
    int points = 0;
    // The numbers 1..fixed stand in every line (the F field), and the guarantee is promised for
    // the draws that hold them all.
    int fixed = 0;
    // A matrix made within a budget of lines names the guarantee that fully holds, and marks the
    // points it aimed at (`_T<d>`) and the most lines it could have (`_B<L>`); 0 when unmarked.
    int aimedPoints = 0;
    int budget = 0;

    friend bool operator==(const GuaranteeClaim&, const GuaranteeClaim&) = default;
};

// The claim of a matrix's name fields, or none when V, A or B is not a whole number written in
// digits. An F field of one digit 1..9 gives that many fixed numbers, any other none.
std::optional<GuaranteeClaim> ClaimOfNameFields(const NameFields& fields);

// `claim` with the marks of a budget matrix that the file name of `path` carries (folders never
// count), `_B<L>` and `_T<d>` as in MATRIX10_08_V5_N20_B40_T6.TXT.
GuaranteeClaim WithBudgetMarks(GuaranteeClaim claim, std::string_view path);

// The claim of a matrix's file name: its fields with the marks of a budget matrix.
std::optional<GuaranteeClaim> ClaimOfMatrixName(std::string_view path);

}  // namespace ordavex
