#include <gtest/gtest.h>

#include "app/text_split.h"
#include "forecast/forecast_selection.h"

namespace ordavex {
namespace {

TEST(ForecastSelection, ClicksCycleOffSelectedFixedOffAndIgnoreNumbersOutsideTheKeypad) {
    AppState state;
    state.ForecastStates[7] = kForecastSelected;
    state.RecountForecast();
    const std::int16_t expected[] = {kForecastSelected, kForecastFixed, kForecastOff};
    const std::int16_t counts[] = {2, 2, 1};
    for (int click = 0; click < 3; ++click) {
        CycleForecastNumber(state, 45);
        EXPECT_EQ(state.ForecastStates[45], expected[click]) << "click " << click + 1;
        EXPECT_EQ(state.ForecastCount, counts[click]) << "click " << click + 1;
    }
    EXPECT_EQ(state.ForecastStates[7], kForecastSelected);
    CycleForecastNumber(state, 0);
    CycleForecastNumber(state, 91);
    EXPECT_EQ(state.ForecastCount, 1);
    EXPECT_EQ(state.ForecastStates[0], 0);
}

TEST(ForecastSelection, SelectAllDropsFixedAndClearAllClearsFixed) {
    AppState state;
    state.ForecastStates[1] = kForecastFixed;
    state.ForecastStates[90] = kForecastSelected;
    state.RecountForecast();

    SetAllForecastNumbers(state, true);
    EXPECT_EQ(state.ForecastCount, 90);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n)
        EXPECT_EQ(state.ForecastStates[static_cast<std::size_t>(n)], kForecastSelected) << n;

    state.ForecastStates[33] = kForecastFixed;
    SetAllForecastNumbers(state, false);
    EXPECT_EQ(state.ForecastCount, 0);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n)
        EXPECT_EQ(state.ForecastStates[static_cast<std::size_t>(n)], kForecastOff) << n;
}

TEST(ForecastSelection, InsertOnlyForAMatrixOfFiftyFiveNumbers) {
    AppState state;
    for (const std::int16_t numbers : {0, 12, 54, 56, 90}) {
        state.MatrixNumbers = numbers;
        EXPECT_FALSE(InsertSelectsAll(state)) << numbers;
    }
    state.MatrixNumbers = 55;
    EXPECT_TRUE(InsertSelectsAll(state));
}

TEST(ForecastSelection, StillToSelectGoesNegativeWhenTooManyArePicked) {
    AppState state;
    state.MatrixNumbers = 12;
    EXPECT_EQ(NumbersStillToSelect(state), 12);
    for (int n = 1; n <= 15; ++n) CycleForecastNumber(state, n);
    EXPECT_EQ(NumbersStillToSelect(state), -3);
}

TEST(ForecastHelp, TwelveLinesWithTheMatrixSizeOnTheThird) {
    const auto lines = SplitText(ForecastHelpText(12), '|');
    ASSERT_EQ(lines.size(), 12u);
    const std::vector<std::string> expected{
        "FUNZIONI:",
        "",
        "1) - In base alla Matrice scelta, puoi selezionare 12 numeri.",
        "2) - Sono possibili 3 tipi di selezione: 0, 1 e 2, per distinguere i numeri",
        "      in OFF, selezionati e usati come Fisse, Basi o Prioritari.",
        "3) - Cliccando più volte sul numero scelto, cambierà il colore del bottone:.",
        "      AZZURRO = selezionato, ORO = Fissa, Base, ecc, GRIGIO = deselezione.",
        "",
        "4) - Il tasto CANC o DELETE, pulisce il tastierino.",
        "5) - Cliccare SVILUPPA SISTEMA: lo sviluppo sarà istantaneo.",
        "6) - Tornare al Menu Principale per le successive operazioni.",
        "",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(SplitText(ForecastHelpText(55), '|')[2], "1) - In base alla Matrice scelta, puoi selezionare 55 numeri.");
}

}  // namespace
}  // namespace ordavex
