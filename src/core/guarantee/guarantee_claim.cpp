#include "guarantee/guarantee_claim.h"

#include <algorithm>
#include <string>

namespace ordavex {

namespace {

// Longer fields cannot come from the name's two-character places; the limit keeps stoi in range.
constexpr std::size_t kLongestField = 4;

std::optional<int> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > kLongestField ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(text);
}

}  // namespace

std::optional<GuaranteeClaim> ClaimOfNameFields(const NameFields& fields) {
    const auto points = WholeNumber(fields.V);
    const auto length = WholeNumber(fields.A);
    const auto drawn = WholeNumber(fields.B);
    if (!points || !length || !drawn) {
        return std::nullopt;
    }
    return GuaranteeClaim{*length, *drawn, *points};
}

}  // namespace ordavex
