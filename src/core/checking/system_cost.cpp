#include "checking/system_cost.h"

#include <algorithm>
#include <limits>

#include "app/number_text.h"

namespace ordavex {

namespace {

constexpr const char* kCostOpening = "Costo: ";
constexpr const char* kOneLine = " combinazione";
constexpr const char* kManyLines = " combinazioni";
constexpr const char* kTimes = " \u00d7 ";
constexpr const char* kEquals = " = ";
constexpr const char* kEuroSign = " \u20ac";
constexpr char kThousandsSeparator = '.';
constexpr char kDecimalComma = ',';
constexpr int kCentDigits = 2;
constexpr std::int64_t kCentsPerEuro = 100;
constexpr const char* kPerDraw = " a estrazione";
constexpr const char* kOverOpening = "\nSu ";
constexpr const char* kOverDraws = " estrazioni: ";
constexpr const char* kOverOneDraw = " estrazione: ";

}  // namespace

std::int64_t AllowedStake(std::int64_t stakeCents) {
    return std::clamp(stakeCents, kLowestStakeCents, kHighestStakeCents);
}

std::int64_t CostCents(std::int64_t lines, std::int64_t stakeCents) {
    return std::max<std::int64_t>(lines, 0) * stakeCents;
}

std::string ItalianCount(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += kThousandsSeparator;
        text += digits[i];
    }
    return text;
}

std::string EuroText(std::int64_t cents) {
    std::string text = cents < 0 ? "-" : "";
    const std::int64_t whole = cents < 0 ? -cents : cents;
    text += ItalianCount(whole / kCentsPerEuro);
    text += kDecimalComma;
    AppendZeroPadded(text, whole % kCentsPerEuro, kCentDigits);
    text += kEuroSign;
    return text;
}

std::string CostText(std::int64_t lines, std::int64_t stakeCents) {
    std::string text = kCostOpening;
    text += ItalianCount(lines);
    text += lines == 1 ? kOneLine : kManyLines;
    text += kTimes;
    text += EuroText(stakeCents);
    text += kEquals;
    text += EuroText(CostCents(lines, stakeCents));
    return text;
}

}  // namespace ordavex

namespace ordavex {

std::optional<std::int64_t> CostCentsOver(std::int64_t lines, std::int64_t stakeCents, std::int64_t draws) {
    const std::int64_t once = CostCents(lines, stakeCents);
    if (draws <= 0 || once == 0) return 0;
    if (once > std::numeric_limits<std::int64_t>::max() / draws) return std::nullopt;
    return once * draws;
}

std::string CostPerDrawText(std::int64_t lines, std::int64_t stakeCents, std::int64_t draws) {
    std::string text = CostText(lines, stakeCents);
    text += kPerDraw;
    if (draws <= 0) return text;
    const auto total = CostCentsOver(lines, stakeCents, draws);
    if (!total) return text;
    text += kOverOpening;
    text += ItalianCount(draws);
    text += draws == 1 ? kOverOneDraw : kOverDraws;
    text += EuroText(*total);
    return text;
}

}  // namespace ordavex
