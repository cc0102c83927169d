#pragma once

#include <string_view>

#include "combinations/number_mask.h"

namespace ordavex {

// The numbers 1..90 among the pieces of a combination line (split at single blanks). A piece
// counts when it is an optionally "+"-signed run of digits worth 1..90; anything else can match
// no drawn number and is left out. A number written twice is in the set once.
NumberMask NumberMaskOfLine(std::string_view line);

}  // namespace ordavex
