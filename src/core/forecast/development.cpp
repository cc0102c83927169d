#include "development.h"

#include <limits>
#include <utility>

#include "app/error_number.h"
#include "app/number_text.h"
#include "app/text_split.h"
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

// Matrix lines hold numbers of one or two digits: those need none of the general checks.
NumberToken QuickNumberToken(std::string_view piece) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (piece.size() == 1 && digit(piece[0])) return {0, static_cast<std::int16_t>(piece[0] - '0')};
    if (piece.size() == 2 && digit(piece[0]) && digit(piece[1])) {
        return {0, static_cast<std::int16_t>((piece[0] - '0') * 10 + (piece[1] - '0'))};
    }
    return ConvertNumberToken(piece);
}

// Calls visit(number) with the forecast number of every abstract number of the matrix line, in
// the line's order. Throws OrdavexError for a piece that is not a number or has no entry.
template <typename Visitor>
void ForEachSubstitute(std::string_view matrixLine, const SubstitutionTable& table, Visitor&& visit) {
    ForEachPiece(matrixLine, ' ', [&table, &visit](std::string_view piece) {
        // Blanks at the ends or doubled give empty pieces: they stand for no number.
        if (piece.empty()) return;
        const NumberToken token = QuickNumberToken(piece);
        if (token.error != 0) throw OrdavexError(token.error);
        if (token.value < 1 || static_cast<std::size_t>(token.value) > table.size()) throw OrdavexError(kErrSubscript);
        visit(table[static_cast<std::size_t>(token.value) - 1]);
    });
}

void AppendDeveloped(std::string& line, int number) {
    if (number >= 0 && number <= 99) {
        const char written[] = {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10), ' '};
        line.append(written, sizeof written);
        return;
    }
    AppendZeroPadded(line, number, kDevelopedDigits);
    line += ' ';
}

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
    ForEachSubstitute(matrixLine, table, [&line](int number) { AppendDeveloped(line, number); });
    if (!line.empty()) line.pop_back();
    return line;
}

LineList DevelopMatrix(const LineList& matrix, const SubstitutionTable& table) {
    // The substituted numbers go straight to normalisation, without being written out and read
    // back in between. What that writing and reading would refuse is refused all the same: a
    // table entry beyond 16 bits, and only once every line has been substituted.
    NumberLines substituted;
    substituted.Reserve(matrix);
    bool beyondSixteenBits = false;
    for (const auto& matrixLine : matrix) {
        ForEachSubstitute(matrixLine, table, [&](int number) {
            beyondSixteenBits = beyondSixteenBits || number < std::numeric_limits<std::int16_t>::min() ||
                                number > std::numeric_limits<std::int16_t>::max();
            substituted.numbers.push_back(static_cast<std::int16_t>(number));
        });
        substituted.ends.push_back(substituted.numbers.size());
    }
    if (beyondSixteenBits) throw OrdavexError(kErrOverflow);
    LineList system;
    WriteNormalizedLines(substituted, system);
    return system;
}

std::string ForecastCountsMessage(int selected, int matrixNumbers) {
    const int difference = selected - matrixNumbers;
    if (difference > 0) return kSelectedPrefix + std::to_string(difference) + kTooManySuffix;
    if (difference < 0) return kSelectedPrefix + std::to_string(-difference) + kTooFewSuffix;
    return {};
}

DevelopmentOutcome DevelopSystem(AppState& state) {
    std::string mismatch = ForecastCountsMessage(state.ForecastCount, state.MatrixNumbers);
    if (!mismatch.empty()) return {false, std::move(mismatch)};

    LineList system = DevelopMatrix(state.MatrixCombinations, BuildSubstitutionTable(state.ForecastStates));
    state.ReplaceSystem(std::move(system));
    state.Source = {SystemSource::Kind::kDeveloped, state.MatrixName, state.ForecastStates};
    return {true, kDevelopedMessage};
}

}  // namespace ordavex
