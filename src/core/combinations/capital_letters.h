#pragma once

#include <string>
#include <string_view>

namespace ordavex {

// The text in capitals: the letters a-z, and the small letters with accents of the Latin-1
// range written in UTF-8 (à -> À, ì -> Ì). Every other byte stays as it is, so a name in
// UTF-8 stays valid.
std::string ToCapitals(std::string_view text);

}  // namespace ordavex
