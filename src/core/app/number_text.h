#pragma once

#include <cstdint>
#include <string>

namespace ordavex {

// Appends the value in decimal with leading zeros up to `digits` digits; longer values keep all
// of theirs (7 -> "07" for two digits, 1000 -> "1000" for three). A sign comes before the zeros.
void AppendZeroPadded(std::string& text, std::int64_t value, int digits);

std::string ZeroPadded(std::int64_t value, int digits);

}  // namespace ordavex
