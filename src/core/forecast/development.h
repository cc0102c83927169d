#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"

namespace ordavex {

// Entry m - 1 is the forecast number that stands in for the matrix's abstract number m: the
// fixed numbers first, then the other selected ones, each group in ascending order.
using SubstitutionTable = std::vector<int>;

SubstitutionTable BuildSubstitutionTable(const std::array<std::int16_t, kHighestNumber + 1>& forecastStates);

// Rewrites one matrix line with the forecast numbers, in the line's own order, each with at
// least two digits and separated by single blanks. Throws OrdavexError for a piece that is not
// a number (13, or 6 when too large) or has no entry in the table (9).
std::string SubstituteLine(std::string_view matrixLine, const SubstitutionTable& table);

// Turns the whole matrix into a normalised, sorted system. Throws OrdavexError like
// SubstituteLine; nothing is changed then.
LineList DevelopMatrix(const LineList& matrix, const SubstitutionTable& table);

// What the player is told when `selected` numbers do not match the `matrixNumbers` of the matrix
// ("Hai selezionato 3 numeri in più ..!"); empty when they match.
std::string ForecastCountsMessage(int selected, int matrixNumbers);

struct DevelopmentOutcome {
    bool developed = false;
    std::string message;  // what the user is told, with "OK"
};

// Develops the loaded matrix onto the forecast selection. When the number of selected numbers
// differs from the numbers the matrix spans, only the message is returned; otherwise the system
// in memory is replaced entirely. The selection and the matrix are left as they are. Throws
// OrdavexError, leaving the state untouched, when a matrix line cannot be developed.
DevelopmentOutcome DevelopSystem(AppState& state);

}  // namespace ordavex
