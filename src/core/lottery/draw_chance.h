#pragma once

#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

// The chance that at least `wanted` of `chosen` numbers are among `drawn` numbers drawn at random
// out of 1..`pool` (hypergeometric). Certain for `wanted` <= 0, impossible beyond `chosen` or `drawn`.
long double ProbabilityAtLeast(int chosen, int wanted, int pool = kHighestNumber, int drawn = kNumbersPerDraw);

// The chance that `fixed` of the `chosen` numbers and at least `wanted` - `fixed` more of them are
// among the 20 drawn out of 90.
long double ProbabilityWithFixed(int chosen, int fixed, int wanted);

}  // namespace ordavex
