#pragma once

#include <string>
#include <string_view>

namespace ordavex {

// The part of a path after its last "/" or "\", in capitals (the whole text when it holds
// neither).
std::string FileNameOfPath(std::string_view path);

// The fields that the name of a matrix file carries, read from the capitalised file name alone.
struct NameFields {
    std::string F;  // the character after the first "F", or "NO" without an "F"
    std::string V;  // the character after the first "V", or "1" without a "V": points guaranteed
    std::string A;  // characters 7 and 8: numbers per combination
    std::string B;  // characters 10 and 11: numbers drawn
};
NameFields MatrixNameFields(std::string_view path);

// The name under which a matrix is known: its capitalised file name without any ".TXT".
std::string MatrixDisplayName(std::string_view path);

// "Garanzia di  V/A  con  B estratti", each field written as a plain whole number. When V, A or B
// is not a whole number the name states no guarantee, and the text says so instead.
std::string GuaranteeCaption(const NameFields& fields);

}  // namespace ordavex
