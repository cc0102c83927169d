#include "number_token.h"

#include <limits>

#include "app/error_number.h"

namespace ordavex {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

NumberToken ConvertNumberToken(std::string_view token) {
    bool negative = false;
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    if (token.empty()) return {kErrTypeMismatch, 0};

    // The magnitude saturates just past the 16-bit range, so any number of digits is safe.
    constexpr std::int32_t kPastRange = std::numeric_limits<std::int16_t>::max() + 2;
    std::int32_t magnitude = 0;
    for (char c : token) {
        if (!IsAsciiDigit(c)) return {kErrTypeMismatch, 0};
        if (magnitude < kPastRange) magnitude = magnitude * 10 + (c - '0');
    }
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        return {kErrOverflow, 0};
    }
    return {0, static_cast<std::int16_t>(value)};
}

}  // namespace ordavex
