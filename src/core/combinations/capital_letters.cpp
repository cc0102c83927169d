#include "capital_letters.h"

namespace ordavex {

namespace {

// In UTF-8 the letters U+00E0..U+00FE are C3 A0..C3 BE; their capitals are C3 80..C3 9E, except
// U+00F7 (the division sign), which is no letter.
constexpr unsigned char kLatinLead = 0xC3;
constexpr unsigned char kSmallFirst = 0xA0;
constexpr unsigned char kSmallLast = 0xBE;
constexpr unsigned char kDivisionSign = 0xB7;
constexpr unsigned char kSmallToCapital = 0x20;

}  // namespace

std::string ToCapitals(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto c = static_cast<unsigned char>(result[i]);
        if (c >= 'a' && c <= 'z') {
            result[i] = static_cast<char>(c - ('a' - 'A'));
        } else if (c == kLatinLead && i + 1 < result.size()) {
            const auto next = static_cast<unsigned char>(result[i + 1]);
            if (next >= kSmallFirst && next <= kSmallLast && next != kDivisionSign) {
                result[i + 1] = static_cast<char>(next - kSmallToCapital);
            }
            ++i;
        }
    }
    return result;
}

}  // namespace ordavex
