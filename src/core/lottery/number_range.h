#pragma once

namespace ordavex {

// The numbers of the game: every number drawn, played or forecast is one of 1..90.
constexpr int kLowestNumber = 1;
constexpr int kHighestNumber = 90;

}  // namespace ordavex
