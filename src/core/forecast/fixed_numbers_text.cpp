#include "forecast/fixed_numbers_text.h"

#include <algorithm>

#include "app/app_state.h"

namespace ordavex {

namespace {

constexpr const char* kOneLine = "combinazione";
constexpr const char* kManyLines = "combinazioni";

constexpr const char* kNoFixedNumbers = "Questa matrice non ha numeri fissi";
constexpr const char* kHasFixedNumbers = "Questa matrice ha ";
constexpr const char* kMarkOneFixed = " numero fisso: segna in oro il numero da giocare in tutte le combinazioni";
constexpr const char* kMarkManyFixed = " numeri fissi: segna in oro i numeri da giocare in tutte le combinazioni";

constexpr const char* kOneGoldFirstPlace = ": il numero oro prende il primo posto e compare in ";
constexpr const char* kGoldFirstPlaces = ": i numeri oro prendono i primi posti e compaiono in ";

constexpr const char* kFixedCaption = "Fisse: ";
constexpr const char* kOf = " di ";
constexpr const char* kInEveryLine = ", in tutte le ";
constexpr const char* kInTheOnlyLine = ", nell'unica combinazione";
constexpr const char* kOnePlaceLeft = "; il posto fisso restante va al primo numero selezionato";
constexpr const char* kPlacesLeftBefore = "; i ";
constexpr const char* kPlacesLeftAfter = " posti fissi restanti vanno ai primi numeri selezionati";
constexpr const char* kOneMoreGold = "; l'altro numero oro compare in ";
constexpr const char* kMoreGoldBefore = "; gli altri ";
constexpr const char* kMoreGoldAfter = " numeri oro compaiono in ";

constexpr const char* kTooManyGoldBefore = "Troppi numeri oro: la matrice ha solo ";
constexpr const char* kTooManyGoldAfter = " posti";

// A list of ninety counts would not fit in the window; the first ones tell the trend.
constexpr int kMostCountsListed = 8;
constexpr const char* kMoreCounts = ", ...";

std::string LinesWord(bool one) { return one ? kOneLine : kManyLines; }

// "5, 4, 4 combinazioni": how many lines hold the abstract numbers first..last.
std::string CountsInLines(const MatrixNumberCounts& counts, int first, int last) {
    const int listedLast = std::min(last, first + kMostCountsListed - 1);
    std::string text;
    for (int number = first; number <= listedLast; ++number) {
        if (number > first) text += ", ";
        text += std::to_string(counts.linesHolding[static_cast<std::size_t>(number)]);
    }
    if (listedLast < last) text += kMoreCounts;
    const bool one = first == last && counts.linesHolding[static_cast<std::size_t>(first)] == 1;
    return text + " " + LinesWord(one);
}

std::string HintWithoutGold(int fixed) {
    if (fixed == 0) return kNoFixedNumbers;
    return kHasFixedNumbers + std::to_string(fixed) + (fixed == 1 ? kMarkOneFixed : kMarkManyFixed);
}

std::string GoldWithoutFixedNumbers(const MatrixNumberCounts& counts, int gold) {
    return kNoFixedNumbers + std::string(gold == 1 ? kOneGoldFirstPlace : kGoldFirstPlaces) +
           CountsInLines(counts, 1, gold);
}

std::string GoldOnFixedNumbers(const MatrixNumberCounts& counts, int gold) {
    const int fixed = counts.fixed;
    std::string text = kFixedCaption + std::to_string(std::min(gold, fixed)) + kOf + std::to_string(fixed);
    text += counts.lines == 1 ? std::string(kInTheOnlyLine)
                              : kInEveryLine + std::to_string(counts.lines) + " " + kManyLines;
    if (gold < fixed) {
        const int left = fixed - gold;
        return text +
               (left == 1 ? std::string(kOnePlaceLeft) : kPlacesLeftBefore + std::to_string(left) + kPlacesLeftAfter);
    }
    if (gold > fixed) {
        const int more = gold - fixed;
        text += more == 1 ? std::string(kOneMoreGold) : kMoreGoldBefore + std::to_string(more) + kMoreGoldAfter;
        text += CountsInLines(counts, fixed + 1, gold);
    }
    return text;
}

}  // namespace

int GoldNumberCount(const std::array<std::int16_t, kHighestNumber + 1>& forecastStates) {
    return static_cast<int>(
        std::count(forecastStates.begin() + kLowestNumber, forecastStates.end(), std::int16_t{kForecastFixed}));
}

std::string FixedNumbersText(const MatrixNumberCounts& counts, int goldNumbers) {
    if (counts.lines == 0) return {};
    if (goldNumbers > counts.numbers) return kTooManyGoldBefore + std::to_string(counts.numbers) + kTooManyGoldAfter;
    if (goldNumbers <= 0) return HintWithoutGold(counts.fixed);
    if (counts.fixed == 0) return GoldWithoutFixedNumbers(counts, goldNumbers);
    return GoldOnFixedNumbers(counts, goldNumbers);
}

}  // namespace ordavex
