#include "checking/draw_probability.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "guarantee/guarantee_claim.h"
#include "lottery/draw_chance.h"

namespace ordavex {

namespace {

constexpr long double kPercent = 100;
constexpr int kSignificantDigits = 3;
constexpr int kMostDecimals = 12;
// Beyond this a mean wait is shown in whole draws.
constexpr long double kWholeWaitFrom = 100;

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

std::string PercentText(long double probability) {
    const long double percent = probability * kPercent;
    int decimals = 2;
    if (percent > 0 && percent < 1) {
        const int leadingZeros = static_cast<int>(std::ceil(-std::log10(percent)));
        decimals = std::min(kMostDecimals, leadingZeros + kSignificantDigits - 1);
    }
    return Fixed(percent, decimals) + "%";
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
