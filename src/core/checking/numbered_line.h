#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ordavex {

// An item of the system viewer: the position with at least three digits, ")", two blanks and
// the line ("001)  03 07 12 20 33").
std::string ViewerItem(std::int32_t position, std::string_view line);

}  // namespace ordavex
