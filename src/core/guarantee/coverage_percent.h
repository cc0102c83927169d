#pragma once

#include <cstdint>
#include <string>

namespace ordavex {

// The share `covered` of `draws` (0 < draws, covered <= draws) as a percentage without the sign,
// with `decimalMark` before the decimals: exactly "100" or "0" when all or none are covered, else
// rounded to one decimal ("97,3"), or to as many more as it takes not to read as all or none
// ("99,996", "0,0008"): a share below all never shows as 100, nor one above none as 0.
std::string CoveragePercentText(std::uint64_t covered, std::uint64_t draws, char decimalMark);

}  // namespace ordavex
