#include "matrix_name.h"

#include <algorithm>

#include "combinations/capital_letters.h"

namespace ordavex {

namespace {

constexpr const char* kNoFixedNumbers = "NO";
constexpr const char* kDefaultPoints = "1";
constexpr std::size_t kPlayLengthAt = 6;  // characters 7 and 8, counted from 1
constexpr std::size_t kDrawnAt = 9;       // characters 10 and 11
constexpr std::size_t kFieldWidth = 2;

constexpr const char* kGuaranteeOpening = "Garanzia di  ";
constexpr const char* kGuaranteeWith = "  con  ";
constexpr const char* kGuaranteeClosing = " estratti";
constexpr const char* kNoGuaranteeInName = "Garanzia non indicata nel nome";

constexpr const char* kTextEnding = ".TXT";

std::string CharacterAfterFirst(const std::string& name, char letter, const char* whenAbsent) {
    const auto at = name.find(letter);
    if (at == std::string::npos) return whenAbsent;
    return name.substr(at + 1, 1);
}

std::string CharactersAt(const std::string& name, std::size_t at) {
    if (at >= name.size()) return {};
    return name.substr(at, kFieldWidth);
}

bool IsWholeNumber(const std::string& field) {
    return !field.empty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Leading zeros vanish: "08" is written 8.
std::string PlainNumber(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

std::string FileNameOfPath(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    return ToCapitals(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

NameFields MatrixNameFields(std::string_view path) {
    const std::string name = FileNameOfPath(path);
    return {CharacterAfterFirst(name, 'F', kNoFixedNumbers), CharacterAfterFirst(name, 'V', kDefaultPoints),
            CharactersAt(name, kPlayLengthAt), CharactersAt(name, kDrawnAt)};
}

std::string MatrixDisplayName(std::string_view path) {
    std::string name = FileNameOfPath(path);
    const std::string ending = kTextEnding;
    for (auto at = name.find(ending); at != std::string::npos; at = name.find(ending, at))
        name.erase(at, ending.size());
    return name;
}

std::string GuaranteeCaption(const NameFields& fields) {
    if (!IsWholeNumber(fields.V) || !IsWholeNumber(fields.A) || !IsWholeNumber(fields.B)) return kNoGuaranteeInName;
    return kGuaranteeOpening + PlainNumber(fields.V) + "/" + PlainNumber(fields.A) + kGuaranteeWith +
           PlainNumber(fields.B) + kGuaranteeClosing;
}

}  // namespace ordavex
