#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "guarantee/matrix_lower_bound.h"
#include "guarantee/matrix_play.h"

namespace ordavex {
namespace {

struct Refusal {
    const char* why;
    MatrixPlay play;
    std::uint64_t budget;
    const char* saysWhatFits;  // a piece of the message that tells the player what would do
};

TEST(PlayRefusal, SaysWhyAPlayCannotBeMadeAndWhatFits) {
    const Refusal cases[] = {
        {"N above 90", {91, 10, 0, 8, 6}, 0, "da 1 a 90"},
        {"k above N", {8, 10, 0, 6, 5}, 0, "al massimo 8"},
        {"p above 20", {30, 10, 0, 21, 6}, 0, "da 1 a 20"},
        {"p above N", {12, 10, 0, 13, 6}, 0, "al massimo 12"},
        {"t above k", {20, 5, 0, 8, 6}, 0, "da 1 a 5"},
        {"t above p", {20, 10, 0, 4, 5}, 0, "da 1 a 4"},
        {"F as many as k", {20, 6, 6, 8, 6}, 0, "da 0 a 5"},
        {"F above p", {20, 10, 3, 2, 1}, 0, "al massimo 2"},
        {"table beyond memory", {90, 10, 0, 20, 6}, 0, "32.000.000"},
        {"budget below every number", {20, 10, 0, 8, 6}, 1, "minimo è 2"},
        {"budget below every number, fixed", {20, 10, 2, 8, 6}, 2, "minimo è 3"},
    };
    for (const Refusal& c : cases) {
        const std::string message = PlayRefusal(c.play, c.budget);
        EXPECT_NE(message.find(c.saysWhatFits), std::string::npos) << c.why << ": " << message;
    }
}

TEST(PlayRefusal, AcceptsThePlaysTheGameAllows) {
    const MatrixPlay accepted[] = {
        {30, 10, 0, 10, 6},  // the largest table of 10-number lines: C(30, 10) sets
        {20, 10, 2, 8, 6},   // with two fixed numbers
        {10, 5, 4, 4, 4},    // the fixed numbers alone give the points
        {90, 10, 5, 20, 5},  // a huge play the fixed numbers make trivial
        {7, 5, 0, 7, 5},
    };
    for (const MatrixPlay& play : accepted) {
        EXPECT_EQ(PlayRefusal(play), "") << play.numbers << " " << play.length << " " << play.fixed;
    }
    EXPECT_EQ(PlayRefusal({20, 10, 0, 8, 6}, 2), "") << "two lines can use all twenty numbers";
}

TEST(PlayLowerBound, IsTheBoundOfThePlayWithoutItsFixedNumbers) {
    EXPECT_EQ(PlayLowerBound({20, 10, 0, 8, 6}), MatrixLowerBound(20, 10, 8, 6));
    EXPECT_EQ(PlayLowerBound({18, 10, 2, 8, 6}), MatrixLowerBound(16, 8, 6, 4));
    // 4 points from the 4 fixed numbers alone: lines of 6 more numbers need only use all 16.
    EXPECT_EQ(PlayLowerBound({20, 10, 4, 8, 4}), 3u);
}

long double Choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    long double value = 1;
    for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
    return value;
}

// Every draw of 20 out of 90 that holds the F fixed numbers and at least p - F of the N - F others.
long double ChanceByCounting(const MatrixPlay& play) {
    long double favourable = 0;
    const int others = play.numbers - play.fixed;
    for (int j = play.drawn - play.fixed; j <= others; ++j) {
        favourable += Choose(others, j) * Choose(90 - play.numbers, 20 - play.fixed - j);
    }
    return favourable / Choose(90, 20);
}

TEST(PlayChance, CountsTheDrawsThatHoldTheFixedNumbersAndEnoughOthers) {
    const MatrixPlay plays[] = {{20, 10, 0, 8, 6}, {18, 10, 2, 8, 6}, {24, 10, 1, 9, 7}, {12, 6, 5, 5, 5}};
    for (const MatrixPlay& play : plays) {
        const long double expected = ChanceByCounting(play);
        EXPECT_NEAR(static_cast<double>(PlayChance(play) / expected), 1.0, 1e-12) << play.fixed;
    }
    EXPECT_LT(PlayChance({18, 10, 2, 8, 6}), PlayChance({18, 10, 0, 8, 6})) << "the fixed numbers must come out";
}

TEST(PlayGuaranteeText, NamesTheFixedNumbers) {
    EXPECT_EQ(PlayGuaranteeText({20, 10, 0, 8, 6}), "6 se 8");
    EXPECT_EQ(PlayGuaranteeText({20, 10, 1, 8, 6}), "6 se 8 (1 fissa)");
    EXPECT_EQ(PlayGuaranteeText({20, 10, 2, 8, 6}), "6 se 8 (2 fisse)");
}

}  // namespace
}  // namespace ordavex
