#include <gtest/gtest.h>

#include <random>
#include <string>

#include "combinations/line_sort.h"
#include "error_of.h"
#include "forecast/development.h"

namespace ordavex {
namespace {

// Loads a matrix over 1..numbers and a selection: `fixed` marked gold, `selected` azure.
void Prepare(AppState& state, LineList matrix, std::int16_t numbers, std::initializer_list<int> fixed,
             std::initializer_list<int> selected) {
    state.ReplaceMatrix("MATRICE", std::move(matrix), numbers);
    for (int n : fixed) state.ForecastStates[static_cast<std::size_t>(n)] = kForecastFixed;
    for (int n : selected) state.ForecastStates[static_cast<std::size_t>(n)] = kForecastSelected;
    state.RecountForecast();
}

TEST(Development, WorkedExampleFixedNumbersComeFirstAndDevelopingAgainChangesNothing) {
    AppState state;
    Prepare(state, {"01 02 03 04 05 06 07 08 09 10", "03 04 05 06 07 08 09 10 11 12"}, 12, {45, 7},
            {3, 12, 20, 33, 41, 56, 60, 71, 88, 90});
    const SubstitutionTable table = BuildSubstitutionTable(state.ForecastStates);
    EXPECT_EQ(table, (SubstitutionTable{7, 45, 3, 12, 20, 33, 41, 56, 60, 71, 88, 90}));
    EXPECT_EQ(SubstituteLine("01 02 03 04 05 06 07 08 09 10", table), "07 45 03 12 20 33 41 56 60 71");
    const auto statesBefore = state.ForecastStates;
    for (int round = 0; round < 2; ++round) {
        const auto outcome = DevelopSystem(state);
        EXPECT_TRUE(outcome.developed);
        EXPECT_EQ(outcome.message, "Sistema creato con successo ..!");
        EXPECT_EQ(state.SystemCombinations,
                  (LineList{"03 07 12 20 33 41 45 56 60 71", "03 12 20 33 41 56 60 71 88 90"}));
        EXPECT_EQ(state.SystemCount, 2);
        EXPECT_EQ(state.ForecastStates, statesBefore);
        EXPECT_EQ(state.ForecastCount, 12);
    }
}

TEST(Development, CountMismatchOnlyGivesTheMessage) {
    const struct {
        int selectedCount;
        std::string message;
    } cases[] = {{13, "Hai selezionato 3 numeri in più ..!"},
                 {9, "Hai selezionato 1 numeri in meno ..!"},
                 {0, "Hai selezionato 10 numeri in meno ..!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selectedCount);
        AppState state;
        Prepare(state, {"1 2 3 4 5", "6 7 8 9 10"}, 10, {}, {});
        for (int n = 1; n <= c.selectedCount; ++n)
            state.ForecastStates[static_cast<std::size_t>(n)] = kForecastSelected;
        // A fixed number counts as a selected one.
        if (c.selectedCount > 0) state.ForecastStates[1] = kForecastFixed;
        state.RecountForecast();
        state.ReplaceSystem({"01 02 03 04 05"});
        const auto statesBefore = state.ForecastStates;
        const auto outcome = DevelopSystem(state);
        EXPECT_FALSE(outcome.developed);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(state.SystemCombinations, LineList{"01 02 03 04 05"});
        EXPECT_EQ(state.SystemCount, 1);
        EXPECT_EQ(state.ForecastStates, statesBefore);
        EXPECT_EQ(state.ForecastCount, c.selectedCount);
    }
}

TEST(Development, NoneFixedEqualsAllFixed) {
    const LineList matrix{"1 2 3 4 5", "2 3 4 5 6", "1 6 5 4 3"};
    AppState noneFixed;
    Prepare(noneFixed, matrix, 6, {}, {80, 4, 33, 9, 61, 15});
    AppState allFixed;
    Prepare(allFixed, matrix, 6, {80, 4, 33, 9, 61, 15}, {});
    EXPECT_EQ(BuildSubstitutionTable(noneFixed.ForecastStates), (SubstitutionTable{4, 9, 15, 33, 61, 80}));
    ASSERT_TRUE(DevelopSystem(noneFixed).developed);
    ASSERT_TRUE(DevelopSystem(allFixed).developed);
    EXPECT_EQ(noneFixed.SystemCombinations, allFixed.SystemCombinations);
    // The smallest selected number stands in for 1.
    EXPECT_EQ(noneFixed.SystemCombinations.front(), "04 09 15 33 61");
}

TEST(Development, MatrixOfMoreLinesThanSixteenBitsCanCount) {
    LineList matrix;
    for (int i = 0; i < 40000; ++i) matrix.push_back(i % 2 == 0 ? "1 2 3 4 5" : "2 3 4 5 6");
    AppState state;
    Prepare(state, std::move(matrix), 6, {}, {11, 22, 33, 44, 55, 66});
    ASSERT_TRUE(DevelopSystem(state).developed);
    EXPECT_EQ(state.SystemCount, 40000);
    EXPECT_EQ(state.SystemCombinations.front(), "11 22 33 44 55");
    EXPECT_EQ(state.SystemCombinations.back(), "22 33 44 55 66");
}

TEST(Development, LineThatIsNoCombinationOfTheMatrixFailsWithoutTouchingTheSystem) {
    const struct {
        std::string line;
        int error;
    } cases[] = {{"1 2 3 4 6", kErrSubscript},  // above the matrix's numbers
                 {"0 1 2 3 4", kErrSubscript},
                 {"1 2 x 4 5", kErrTypeMismatch},
                 {"1 2 3 4 99999", kErrOverflow}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        AppState state;
        Prepare(state, {"1 2 3 4 5", c.line}, 5, {}, {1, 2, 3, 4, 5});
        state.ReplaceSystem({"01 02 03 04 05"});
        EXPECT_EQ(test::ErrorOf([&] { DevelopSystem(state); }), c.error);
        EXPECT_EQ(state.SystemCombinations, LineList{"01 02 03 04 05"});
        EXPECT_EQ(state.SystemCount, 1);
    }
}

// Development as first written: every line substituted and written out, then normalised.
LineList DevelopedByReference(const LineList& matrix, const SubstitutionTable& table) {
    LineList system;
    for (const auto& line : matrix) system.push_back(SubstituteLine(line, table));
    NormalizeCombinations(system);
    return system;
}

TEST(Development, DevelopMatrixAgreesWithSubstitutingAndNormalising) {
    std::mt19937 random(3);
    LineList matrix;
    for (int i = 0; i < 3000; ++i) {
        std::string line = random() % 50 == 0 ? " " : "";  // stray blanks stand for no number
        for (int k = random() % 14; k >= 0; --k) line += std::to_string(1 + random() % 12) + " ";
        matrix.push_back(line);
    }
    // Entries of one digit, of three, negative: all written as the reference writes them.
    const SubstitutionTable tables[] = {{7, 45, 3, 12, 20, 33, 41, 56, 60, 71, 88, 90},
                                        {5, 1, 100, 2, 32767, -3, 0, 9, 99, 10, -32768, 11}};
    for (const auto& table : tables) EXPECT_EQ(DevelopMatrix(matrix, table), DevelopedByReference(matrix, table));

    // An entry beyond 16 bits is refused as its written form would be, after any line's own fault.
    const SubstitutionTable wide{1, 2, 40000};
    const struct {
        LineList matrix;
        int error;
    } failures[] = {{{"1 2 3"}, kErrOverflow}, {{"1 2 3", "1 x"}, kErrTypeMismatch}, {{"3", "4"}, kErrSubscript}};
    for (const auto& failure : failures) {
        EXPECT_EQ(test::ErrorOf([&] { DevelopMatrix(failure.matrix, wide); }), failure.error);
        EXPECT_EQ(test::ErrorOf([&] { DevelopedByReference(failure.matrix, wide); }), failure.error);
    }
}

TEST(Development, SubstituteLineIgnoresStrayBlanks) {
    const SubstitutionTable table{7, 45, 3};
    EXPECT_EQ(SubstituteLine(" 3  1 2 ", table), "03 07 45");
    EXPECT_EQ(SubstituteLine("", table), "");
}

}  // namespace
}  // namespace ordavex
