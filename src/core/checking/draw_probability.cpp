#include "checking/draw_probability.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "guarantee/guarantee_claim.h"

namespace ordavex {

namespace {

constexpr long double kPercent = 100;
constexpr int kSignificantDigits = 3;
constexpr int kMostDecimals = 12;
// Beyond this a mean wait is shown in whole draws.
constexpr long double kWholeWaitFrom = 100;

// C(n, k) as an exact integer while it fits the mantissa; with a relative error near 1e-19 beyond.
long double Binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    k = std::min(k, n - k);
    long double value = 1;
    for (int i = 1; i <= k; ++i) value = value * static_cast<long double>(n - k + i) / i;
    return value;
}

std::string WithDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string Fixed(long double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    return WithDecimalComma(buffer);
}

// 1234567 as "1.234.567".
std::string Grouped(long double value) {
    std::string digits = Fixed(std::round(value), 0);
    for (auto i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ".");
    }
    return digits;
}

std::string MeanWaitText(long double probability) {
    const long double wait = 1 / probability;
    return "in media 1 estrazione ogni " + (wait < kWholeWaitFrom ? Fixed(wait, 1) : Grouped(wait));
}

}  // namespace

long double ProbabilityAtLeast(int chosen, int wanted, int pool, int drawn) {
    if (wanted <= 0) return 1;
    long double favourable = 0;
    for (int k = wanted; k <= std::min(chosen, drawn); ++k) {
        favourable += Binomial(chosen, k) * Binomial(pool - chosen, drawn - k);
    }
    return favourable / Binomial(pool, drawn);
}

std::string PercentText(long double probability) {
    const long double percent = probability * kPercent;
    int decimals = 2;
    if (percent > 0 && percent < 1) {
        const int leadingZeros = static_cast<int>(std::ceil(-std::log10(percent)));
        decimals = std::min(kMostDecimals, leadingZeros + kSignificantDigits - 1);
    }
    return Fixed(percent, decimals) + "%";
}

long double ProbabilityWithFixed(int chosen, int fixed, int wanted) {
    if (fixed <= 0) return ProbabilityAtLeast(chosen, wanted);
    // Once the fixed numbers are drawn, the other 20 - F come from the other 90 - F numbers.
    return ProbabilityAtLeast(fixed, fixed) *
           ProbabilityAtLeast(chosen - fixed, wanted - fixed, kHighestNumber - fixed, kNumbersPerDraw - fixed);
}

std::string ConditionProbabilityText(int chosen, int wanted, int fixed) {
    const long double probability = ProbabilityWithFixed(chosen, fixed, wanted);
    const std::string condition =
        fixed <= 0 ? "Probabilità che almeno " + std::to_string(wanted) + " dei " + std::to_string(chosen) +
                         " numeri siano estratti: "
                   : "Probabilità che " +
                         std::string(fixed == 1 ? "la fissa e " : "le " + std::to_string(fixed) + " fisse e ") +
                         "almeno " + std::to_string(wanted - fixed) + " degli altri " + std::to_string(chosen - fixed) +
                         " numeri siano estratti: ";
    std::string text = condition + PercentText(probability);
    if (probability <= 0) return text + " (mai, in un'estrazione di " + std::to_string(kNumbersPerDraw) + " numeri)";
    return text + " (" + MeanWaitText(probability) + ")";
}

std::string ClaimProbabilityText(int matrixNumbers, const NameFields& nameFields) {
    const auto claim = ClaimOfNameFields(nameFields);
    if (!claim || claim->drawn < 1 || claim->drawn > matrixNumbers || claim->fixed > claim->drawn) return {};
    return ConditionProbabilityText(matrixNumbers, claim->drawn, claim->fixed);
}

std::string ConditionHistoryText(long long happened, long long draws) {
    const std::string times = happened == 1 ? " volta" : " volte";
    std::string text =
        "Nelle " + std::to_string(draws) + " estrazioni scelte è successo " + std::to_string(happened) + times;
    if (draws > 0) text += " (" + PercentText(static_cast<long double>(happened) / draws) + ")";
    return text;
}

}  // namespace ordavex
