#pragma once

#include <string>

#include "app/app_state.h"
#include "checking/draw_archive.h"
#include "combinations/matrix_name.h"

namespace ordavex {

// The chance that at least `wanted` of `chosen` numbers are among `drawn` numbers drawn at random
// out of 1..`pool` (hypergeometric). Certain for `wanted` <= 0, impossible beyond `chosen` or `drawn`.
long double ProbabilityAtLeast(int chosen, int wanted, int pool = kHighestNumber, int drawn = kNumbersPerDraw);

// "1,23%": at least three significant digits, Italian decimal comma.
std::string PercentText(long double probability);

// The chance that `fixed` of the `chosen` numbers and at least `wanted` - `fixed` more of them are
// among the 20 drawn out of 90.
long double ProbabilityWithFixed(int chosen, int fixed, int wanted);

// "Probabilità che almeno 8 dei 20 numeri siano estratti: 1,23% (in media 1 estrazione ogni 81,3)";
// with fixed numbers, "Probabilità che le 2 fisse e almeno 6 degli altri 16 numeri siano estratti: ...".
std::string ConditionProbabilityText(int chosen, int wanted, int fixed = 0);

// The chance of the condition of the guarantee in a matrix's name ("if p of the N numbers are
// drawn") as ConditionProbabilityText words it; empty when the name states no such condition.
std::string ClaimProbabilityText(int matrixNumbers, const NameFields& nameFields);

// "Nelle 500 estrazioni scelte è successo 7 volte (1,40%)".
std::string ConditionHistoryText(long long happened, long long draws);

}  // namespace ordavex
