#include <gtest/gtest.h>

#include "forecast/development.h"
#include "forecast/forecast_from_numbers.h"

namespace ordavex {
namespace {

NumberMask MaskOf(std::initializer_list<int> numbers) {
    NumberMask mask;
    for (int n : numbers) mask.Set(n);
    return mask;
}

NumberMask NumbersInState(const AppState& state, std::int16_t wanted) {
    NumberMask numbers;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (state.ForecastStates[static_cast<std::size_t>(n)] == wanted) numbers.Set(n);
    }
    return numbers;
}

// A matrix of five numbers with 7 and 45 fixed and 60 selected.
void SetFiveNumberMatrixWithTwoFixed(AppState& state) {
    state.ReplaceMatrix("MATRIX03_02_N05", {"1 2 3", "3 4 5"}, 5);
    state.ForecastStates[7] = kForecastFixed;
    state.ForecastStates[45] = kForecastFixed;
    state.ForecastStates[60] = kForecastSelected;
    state.RecountForecast();
}

TEST(ForecastFromNumbers, ChosenNumbersBecomeSelectedBesideTheFixedOnesAndEverythingElseGoesOff) {
    AppState state;
    SetFiveNumberMatrixWithTwoFixed(state);
    EXPECT_EQ(NumbersBesidesFixed(state), 3);
    // 45 is chosen too: it stays fixed and counts once.
    const auto outcome = UseNumbersAsForecast(state, MaskOf({12, 45, 80, 90}));
    EXPECT_TRUE(outcome.applied);
    EXPECT_TRUE(outcome.message.empty());
    EXPECT_EQ(NumbersInState(state, kForecastFixed), MaskOf({7, 45}));
    EXPECT_EQ(NumbersInState(state, kForecastSelected), MaskOf({12, 80, 90}));
    EXPECT_EQ(state.ForecastCount, 5);
}

TEST(ForecastFromNumbers, CountsThatDoNotFitTheMatrixAreRefusedWithTheDevelopmentsMessage) {
    AppState state;
    SetFiveNumberMatrixWithTwoFixed(state);
    const auto before = state.ForecastStates;
    const auto tooMany = UseNumbersAsForecast(state, MaskOf({1, 2, 3, 4, 5}));
    EXPECT_FALSE(tooMany.applied);
    EXPECT_EQ(tooMany.message, "Hai selezionato 2 numeri in più ..!");
    const auto tooFew = UseNumbersAsForecast(state, MaskOf({7, 8}));
    EXPECT_EQ(tooFew.message, "Hai selezionato 2 numeri in meno ..!");
    EXPECT_EQ(UseNumbersAsForecast(state, {}).message, "Hai selezionato 3 numeri in meno ..!");
    EXPECT_EQ(state.ForecastStates, before);
    EXPECT_EQ(state.ForecastCount, 3);
    EXPECT_EQ(ForecastCountsMessage(5, 5), "");

    AppState noMatrix;
    noMatrix.ForecastStates[3] = kForecastSelected;
    noMatrix.RecountForecast();
    const auto refused = UseNumbersAsForecast(noMatrix, MaskOf({1}));
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.message, "Caricare una Matrice ..!");
    EXPECT_EQ(noMatrix.ForecastStates[3], kForecastSelected);
    EXPECT_EQ(NumbersBesidesFixed(noMatrix), 0);
}

TEST(ForecastFromNumbers, TheFirstNumbersOfARankingSkipTheFixedOnes) {
    const std::vector<int> ranked = {45, 3, 7, 88, 1, 2};
    EXPECT_EQ(FirstNumbersBesides(ranked, 3, MaskOf({7, 45})), MaskOf({3, 88, 1}));
    EXPECT_EQ(FirstNumbersBesides(ranked, 0, {}), NumberMask{});
    // Fewer when the ranking runs out.
    EXPECT_EQ(FirstNumbersBesides(ranked, 10, MaskOf({1})), MaskOf({45, 3, 7, 88, 2}));

    AppState state;
    SetFiveNumberMatrixWithTwoFixed(state);
    state.ForecastStates[1] = kForecastFixed;
    state.ForecastStates[2] = kForecastFixed;
    state.ForecastStates[3] = kForecastFixed;
    state.ForecastStates[4] = kForecastFixed;
    EXPECT_EQ(NumbersBesidesFixed(state), 0);
}

}  // namespace
}  // namespace ordavex
