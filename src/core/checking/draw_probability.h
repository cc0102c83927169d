#pragma once

#include <string>

#include "app/app_state.h"
#include "checking/draw_archive.h"
#include "combinations/matrix_name.h"
#include "lottery/draw_chance.h"

namespace ordavex {

// "1,23%": at least three significant digits, Italian decimal comma.
std::string PercentText(long double probability);

// "Probabilità che almeno 8 dei 20 numeri siano estratti: 1,23% (in media 1 estrazione ogni 81,3)";
// with fixed numbers, "Probabilità che le 2 fisse e almeno 6 degli altri 16 numeri siano estratti: ...".
std::string ConditionProbabilityText(int chosen, int wanted, int fixed = 0);

// The chance of the condition of the guarantee in a matrix's name ("if p of the N numbers are
// drawn") as ConditionProbabilityText words it; empty when the name states no such condition.
std::string ClaimProbabilityText(int matrixNumbers, const NameFields& nameFields);

// "Nelle 500 estrazioni scelte è successo 7 volte (1,40%)".
std::string ConditionHistoryText(long long happened, long long draws);

}  // namespace ordavex
