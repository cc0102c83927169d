#pragma once

#include <optional>

#include "combinations/matrix_name.h"

namespace ordavex {

// What a matrix's file name promises: `points` points on lines of `length` numbers whenever
// `drawn` of its numbers are drawn.
struct GuaranteeClaim {
    int length = 0;
    int drawn = 0;
    int points = 0;

    friend bool operator==(const GuaranteeClaim&, const GuaranteeClaim&) = default;
};

// The claim of a matrix's name fields, or none when V, A or B is not a whole number written in
// digits.
std::optional<GuaranteeClaim> ClaimOfNameFields(const NameFields& fields);

}  // namespace ordavex
