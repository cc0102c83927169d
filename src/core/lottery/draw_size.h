#pragma once

namespace ordavex {

// How many different numbers one draw holds; no score or guarantee counts more drawn numbers.
constexpr int kNumbersPerDraw = 20;

}  // namespace ordavex
