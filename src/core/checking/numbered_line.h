#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ordavex {

// The value (not negative) in decimal with leading zeros up to `digits` digits; longer values keep all of
// theirs (7 -> "007", 1000 -> "1000" for three digits).
std::string ZeroPadded(std::int64_t value, int digits);

// An item of the system viewer: the position with at least three digits, ")", two blanks and
// the line ("001)  03 07 12 20 33").
std::string ViewerItem(std::int32_t position, std::string_view line);

}  // namespace ordavex
