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

TEST(ForecastHelp, TwelveLinesWithTheMatrixSizeOnTheThird) {
    const struct {
        int numbers;
        const char* third;
    } cases[] = {{12, "1) - In base alla Matrice scelta, puoi selezionare 12 numeri."},
                 {55, "1) - In base alla Matrice scelta, puoi selezionare 55 numeri."}};
    for (const auto& c : cases) {
        const auto lines = SplitText(ForecastHelpText(c.numbers), '|');
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines[2], c.third);
    }
}

}  // namespace
}  // namespace ordavex
