#include "guarantee/annealing_schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ordavex {
namespace {

constexpr AnnealingSchedule::Shape kShape{.hot = 2.0, .cold = 0.5, .cooling = 0.5, .stepWork = 10};

TEST(AnnealingScheduleTest, TakesAWorseMoveWithTheChanceOfItsTemperature) {
    const AnnealingSchedule schedule(kShape);
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (const int change : {1, 2, 4}) {
        int taken = 0;
        constexpr int kDraws = 200'000;
        for (int i = 0; i < kDraws; ++i) {
            taken += schedule.Takes(change, unit(random)) ? 1 : 0;
        }
        const double chance = std::exp(-change / kShape.hot);
        EXPECT_NEAR(static_cast<double>(taken) / kDraws, chance, 0.005) << change;
    }
    // A move that makes nothing worse is always taken, and a draw of 0 is below every chance.
    EXPECT_TRUE(schedule.Takes(0, 0.999999));
    EXPECT_TRUE(schedule.Takes(-3, 0.999999));
    EXPECT_TRUE(schedule.Takes(1'000'000, 0.0));
    EXPECT_FALSE(schedule.Takes(1'000'000, 0.5));
}

TEST(AnnealingScheduleTest, CoolsOncePerStepOfWorkAndIsHotAgainWhenTooCold) {
    AnnealingSchedule bySmallMoves(kShape);
    AnnealingSchedule byLargeMoves(kShape);
    for (int i = 0; i < 9; ++i) {
        bySmallMoves.Spend(1);
    }
    EXPECT_EQ(bySmallMoves.Temperature(), 2.0);
    bySmallMoves.Spend(1);
    byLargeMoves.Spend(25);
    EXPECT_EQ(bySmallMoves.Temperature(), 1.0);
    // However much work one move did, the temperature falls one step, and the count starts again.
    EXPECT_EQ(byLargeMoves.Temperature(), 1.0);
    byLargeMoves.Spend(10);
    EXPECT_EQ(byLargeMoves.Temperature(), 0.5);
    // 0.25 would be below the cold end.
    byLargeMoves.Spend(10);
    EXPECT_EQ(byLargeMoves.Temperature(), 2.0);
    // Reheating forgets the work counted towards the next step.
    bySmallMoves.Spend(9);
    bySmallMoves.Reheat();
    bySmallMoves.Spend(1);
    EXPECT_EQ(bySmallMoves.Temperature(), 2.0);
}

}  // namespace
}  // namespace ordavex
