#include "development.h"

#include <utility>

#include "app/error_number.h"
#include "app/number_text.h"
#include "combinations/combination_pieces.h"
#include "combinations/line_sort.h"
#include "combinations/number_token.h"

namespace ordavex {

namespace {

constexpr const char* kSelectedPrefix = "Hai selezionato ";
constexpr const char* kTooManySuffix = " numeri in più ..!";
constexpr const char* kTooFewSuffix = " numeri in meno ..!";
constexpr const char* kDevelopedMessage = "Sistema creato con successo ..!";

void AppendStates(SubstitutionTable& table, const std::array<std::int16_t, kHighestNumber + 1>& states,
                  std::int16_t wanted) {
    for (int number = kLowestNumber; number <= kHighestNumber; ++number) {
        if (states[static_cast<std::size_t>(number)] == wanted) table.push_back(number);
    }
}

// The "00 " pattern: at least two digits, then one blank.
constexpr int kDevelopedDigits = 2;

}  // namespace

SubstitutionTable BuildSubstitutionTable(const std::array<std::int16_t, kHighestNumber + 1>& forecastStates) {
    SubstitutionTable table;
    table.reserve(kHighestNumber);
    AppendStates(table, forecastStates, kForecastFixed);
    AppendStates(table, forecastStates, kForecastSelected);
    return table;
}

std::string SubstituteLine(std::string_view matrixLine, const SubstitutionTable& table) {
    std::string line;
    line.reserve(matrixLine.size() + matrixLine.size() / 2 + 3);
    ForEachPiece(matrixLine, [&line, &table](std::string_view piece) {
        // Blanks at the ends or doubled give empty pieces: they stand for no number.
        if (piece.empty()) return;
        const NumberToken token = ConvertNumberToken(piece);
        if (token.error != 0) throw OrdavexError(token.error);
        if (token.value < 1 || static_cast<std::size_t>(token.value) > table.size()) throw OrdavexError(kErrSubscript);
        AppendZeroPadded(line, table[static_cast<std::size_t>(token.value) - 1], kDevelopedDigits);
        line += ' ';
    });
    if (!line.empty()) line.pop_back();
    return line;
}

LineList DevelopMatrix(const LineList& matrix, const SubstitutionTable& table) {
    LineList system;
    system.reserve(matrix.size());
    for (const auto& matrixLine : matrix) system.push_back(SubstituteLine(matrixLine, table));
    NormalizeCombinations(system);
    return system;
}

DevelopmentOutcome DevelopSystem(AppState& state) {
    const int difference = state.ForecastCount - state.MatrixNumbers;
    if (difference > 0) return {false, kSelectedPrefix + std::to_string(difference) + kTooManySuffix};
    if (difference < 0) return {false, kSelectedPrefix + std::to_string(-difference) + kTooFewSuffix};

    LineList system = DevelopMatrix(state.MatrixCombinations, BuildSubstitutionTable(state.ForecastStates));
    state.ReplaceSystem(std::move(system));
    return {true, kDevelopedMessage};
}

}  // namespace ordavex
