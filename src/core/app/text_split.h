#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ordavex {

// Splits at every occurrence of the separator. An empty text yields no piece; otherwise
// n separators yield n + 1 pieces, empty ones included.
std::vector<std::string> SplitText(std::string_view text, char separator);

// Replaces every "|" by a line break.
std::string PipesToLineBreaks(std::string_view text);

}  // namespace ordavex
