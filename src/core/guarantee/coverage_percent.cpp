#include "guarantee/coverage_percent.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace ordavex {

namespace {

constexpr int kDecimalsAtLeast = 1;
constexpr int kIntegerDigits = 3;  // up to "100"

// The next decimal digit of remainder / whole, and the remainder after it: 10 * remainder
// divided by whole, for remainder < whole, without the product that could overflow.
int NextDigit(std::uint64_t& remainder, std::uint64_t whole) {
    int digit = 0;
    std::uint64_t tenfold = 0;
    for (int i = 0; i < 10; ++i) {
        if (tenfold >= whole - remainder) {
            tenfold -= whole - remainder;
            ++digit;
        } else {
            tenfold += remainder;
        }
    }
    remainder = tenfold;
    return digit;
}

// The digits of 100 * part / whole rounded half up to `decimals` decimals: three before the
// decimal mark, then the decimals.
std::vector<int> RoundedDigits(std::uint64_t part, std::uint64_t whole, int decimals) {
    std::vector<int> digits;
    digits.push_back(part == whole ? 1 : 0);
    std::uint64_t remainder = part == whole ? 0 : part;
    while (static_cast<int>(digits.size()) < kIntegerDigits + decimals) {
        digits.push_back(NextDigit(remainder, whole));
    }
    if (remainder >= whole - remainder) {
        auto digit = digits.rbegin();
        for (; digit != digits.rend() && *digit == 9; ++digit) *digit = 0;
        ++*digit;  // a share at most whole never carries beyond the hundreds
    }
    return digits;
}

std::string TextOf(const std::vector<int>& digits, char decimalMark) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == kIntegerDigits) text += decimalMark;
        if (!text.empty() || digits[i] != 0 || i + 1 == kIntegerDigits) text += static_cast<char>('0' + digits[i]);
    }
    return text;
}

bool AllZero(const std::vector<int>& digits) {
    return std::all_of(digits.begin(), digits.end(), [](int d) { return d == 0; });
}

}  // namespace

std::string CoveragePercentText(std::uint64_t covered, std::uint64_t draws, char decimalMark) {
    if (draws == 0 || covered > draws) throw std::invalid_argument("a share of no draws, or of more than all");
    if (covered == draws) return "100";
    if (covered == 0) return "0";
    for (int decimals = kDecimalsAtLeast;; ++decimals) {
        const std::vector<int> digits = RoundedDigits(covered, draws, decimals);
        // Below all and above none: the hundreds stay 0 and some digit is not.
        if (digits.front() == 0 && !AllZero(digits)) return TextOf(digits, decimalMark);
    }
}

}  // namespace ordavex
