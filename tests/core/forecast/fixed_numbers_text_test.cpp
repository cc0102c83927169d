#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "forecast/fixed_numbers_text.h"
#include "forecast/matrix_number_counts.h"

namespace ordavex {
namespace {

std::string TextFor(const LineList& matrix, int gold) { return FixedNumbersText(CountMatrixNumbers(matrix), gold); }

// 1 and 2 in all four lines; abstract numbers 3..7 in 2, 2, 3, 3, 2 of them.
const LineList kTwoFixed{"1 2 3 4 5", "1 2 3 6 7", "1 2 4 5 6", "1 2 5 6 7"};
// 1, 2 and 3 in all three lines; 4..7 in 1, 2, 2, 1 of them.
const LineList kThreeFixed{"1 2 3 4 5", "1 2 3 6 7", "1 2 3 5 6"};
// 1 and 2 in one line each, 3..10 in both, 11 and 12 in one.
const LineList kNoFixed{"1 2 3 4 5 6 7 8 9 10", "3 4 5 6 7 8 9 10 11 12"};

TEST(FixedNumbersText, NoGoldNumberTellsWhatGoldIsFor) {
    EXPECT_EQ(TextFor(kTwoFixed, 0),
              "Questa matrice ha 2 numeri fissi: segna in oro i numeri da giocare in tutte le combinazioni");
    EXPECT_EQ(TextFor({"1 2 3 4 5", "1 6 7 8 9"}, 0),
              "Questa matrice ha 1 numero fisso: segna in oro il numero da giocare in tutte le combinazioni");
    EXPECT_EQ(TextFor(kNoFixed, 0), "Questa matrice non ha numeri fissi");
}

TEST(FixedNumbersText, GoldNumbersAsManyAsTheFixedOnesStandInEveryLine) {
    EXPECT_EQ(TextFor(kTwoFixed, 2), "Fisse: 2 di 2, in tutte le 4 combinazioni");
    EXPECT_EQ(TextFor(kThreeFixed, 3), "Fisse: 3 di 3, in tutte le 3 combinazioni");
    EXPECT_EQ(TextFor({"5 4 3 2 1"}, 5), "Fisse: 5 di 5, nell'unica combinazione");
}

TEST(FixedNumbersText, FewerGoldNumbersLeaveFixedPlacesToTheFirstSelectedOnes) {
    EXPECT_EQ(TextFor(kTwoFixed, 1),
              "Fisse: 1 di 2, in tutte le 4 combinazioni; il posto fisso restante va al primo numero selezionato");
    EXPECT_EQ(TextFor(kThreeFixed, 1),
              "Fisse: 1 di 3, in tutte le 3 combinazioni; i 2 posti fissi restanti vanno ai primi numeri selezionati");
    EXPECT_EQ(TextFor({"1 2 3 4 5"}, 2),
              "Fisse: 2 di 5, nell'unica combinazione; i 3 posti fissi restanti vanno ai primi numeri selezionati");
}

TEST(FixedNumbersText, MoreGoldNumbersTakeTheNextPlacesAndSayWhereTheyLand) {
    EXPECT_EQ(TextFor(kTwoFixed, 3),
              "Fisse: 2 di 2, in tutte le 4 combinazioni; l'altro numero oro compare in 2 combinazioni");
    EXPECT_EQ(TextFor(kTwoFixed, 5),
              "Fisse: 2 di 2, in tutte le 4 combinazioni; gli altri 3 numeri oro compaiono in 2, 2, 3 combinazioni");
    EXPECT_EQ(TextFor(kTwoFixed, 7),
              "Fisse: 2 di 2, in tutte le 4 combinazioni; gli altri 5 numeri oro compaiono in 2, 2, 3, 3, 2 "
              "combinazioni");
    EXPECT_EQ(TextFor(kThreeFixed, 4),
              "Fisse: 3 di 3, in tutte le 3 combinazioni; l'altro numero oro compare in 1 combinazione");
    EXPECT_EQ(TextFor(kThreeFixed, 5),
              "Fisse: 3 di 3, in tutte le 3 combinazioni; gli altri 2 numeri oro compaiono in 1, 2 combinazioni");
}

TEST(FixedNumbersText, WithoutFixedNumbersGoldTakesTheFirstPlaces) {
    EXPECT_EQ(TextFor(kNoFixed, 1),
              "Questa matrice non ha numeri fissi: il numero oro prende il primo posto e compare in 1 combinazione");
    EXPECT_EQ(TextFor(kNoFixed, 3),
              "Questa matrice non ha numeri fissi: i numeri oro prendono i primi posti e compaiono in 1, 1, 2 "
              "combinazioni");
    // Eight counts are listed in full; from the ninth on the list stops.
    EXPECT_EQ(TextFor(kNoFixed, 8),
              "Questa matrice non ha numeri fissi: i numeri oro prendono i primi posti e compaiono in 1, 1, 2, 2, 2, "
              "2, 2, 2 combinazioni");
    EXPECT_EQ(TextFor(kNoFixed, 9),
              "Questa matrice non ha numeri fissi: i numeri oro prendono i primi posti e compaiono in 1, 1, 2, 2, 2, "
              "2, 2, 2, ... combinazioni");
    // 2 is in every line but 1 is not: there are no fixed numbers to place 2 among.
    EXPECT_EQ(TextFor({"2 3 4 5 6", "1 2 4 5 6"}, 2),
              "Questa matrice non ha numeri fissi: i numeri oro prendono i primi posti e compaiono in 1, 2 "
              "combinazioni");
}

TEST(FixedNumbersText, MoreGoldThanPlacesOrNoMatrix) {
    EXPECT_EQ(TextFor(kTwoFixed, 8), "Troppi numeri oro: la matrice ha solo 7 posti");
    EXPECT_EQ(TextFor(kNoFixed, 13), "Troppi numeri oro: la matrice ha solo 12 posti");
    EXPECT_EQ(TextFor(kNoFixed, 12).find("Troppi"), std::string::npos);
    for (int gold : {0, 1, 90}) EXPECT_EQ(TextFor({}, gold), "") << gold;
}

TEST(GoldNumberCount, CountsOnlyTheFixedStatesOfNumbersOneToNinety) {
    AppState state;
    EXPECT_EQ(GoldNumberCount(state.ForecastStates), 0);
    state.ForecastStates[0] = kForecastFixed;  // no number: never counted
    state.ForecastStates[1] = kForecastFixed;
    state.ForecastStates[45] = kForecastSelected;
    state.ForecastStates[90] = kForecastFixed;
    EXPECT_EQ(GoldNumberCount(state.ForecastStates), 2);
}

}  // namespace
}  // namespace ordavex
