#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "checking/system_cost.h"

namespace ordavex {
namespace {

TEST(SystemCost, ItalianNumbersHaveAPointBetweenThousandsAndACommaBeforeTheCents) {
    EXPECT_EQ(ItalianCount(0), "0");
    EXPECT_EQ(ItalianCount(999), "999");
    EXPECT_EQ(ItalianCount(1000), "1.000");
    EXPECT_EQ(ItalianCount(32767), "32.767");
    EXPECT_EQ(ItalianCount(1234567), "1.234.567");
    EXPECT_EQ(ItalianCount(-1234), "-1.234");
    EXPECT_EQ(EuroText(0), "0,00 €");
    EXPECT_EQ(EuroText(5), "0,05 €");
    EXPECT_EQ(EuroText(100), "1,00 €");
    EXPECT_EQ(EuroText(123456789), "1.234.567,89 €");
}

TEST(SystemCost, CountTimesStakeInWholeCents) {
    EXPECT_EQ(CostText(84, 100), "Costo: 84 combinazioni × 1,00 € = 84,00 €");
    EXPECT_EQ(CostText(1, 150), "Costo: 1 combinazione × 1,50 € = 1,50 €");
    EXPECT_EQ(CostText(0, 100), "Costo: 0 combinazioni × 1,00 € = 0,00 €");
    // A stake of cents that a binary fraction cannot hold adds up exactly.
    EXPECT_EQ(CostText(3, 110), "Costo: 3 combinazioni × 1,10 € = 3,30 €");
    EXPECT_EQ(CostText(32767, 100), "Costo: 32.767 combinazioni × 1,00 € = 32.767,00 €");
    EXPECT_EQ(CostText(32767, kHighestStakeCents), "Costo: 32.767 combinazioni × 10.000,00 € = 327.670.000,00 €");
    const std::int64_t most = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(CostCents(most, kHighestStakeCents), most * kHighestStakeCents);
    EXPECT_EQ(CostCents(-5, 100), 0);
}

TEST(SystemCost, TheStakeStaysBetweenOneAndTenThousandEuro) {
    EXPECT_EQ(AllowedStake(0), kLowestStakeCents);
    EXPECT_EQ(AllowedStake(99), 100);
    EXPECT_EQ(AllowedStake(100), 100);
    EXPECT_EQ(AllowedStake(257), 257);
    EXPECT_EQ(AllowedStake(kHighestStakeCents + 1), kHighestStakeCents);
}

TEST(SystemCost, PerDrawAndOverTheDrawsChecked) {
    EXPECT_EQ(CostPerDrawText(84, 100, 0), "Costo: 84 combinazioni × 1,00 € = 84,00 € a estrazione");
    EXPECT_EQ(CostPerDrawText(84, 250, 100),
              "Costo: 84 combinazioni × 2,50 € = 210,00 € a estrazione\nSu 100 estrazioni: 21.000,00 €");
    EXPECT_EQ(CostPerDrawText(2, 100, 1),
              "Costo: 2 combinazioni × 1,00 € = 2,00 € a estrazione\nSu 1 estrazione: 2,00 €");
    // A total beyond 64 bits of cents is not shown rather than shown wrong.
    const std::int64_t lines = std::numeric_limits<std::int32_t>::max();
    const std::int64_t draws = 10'000'000;
    EXPECT_FALSE(CostCentsOver(lines, kHighestStakeCents, draws).has_value());
    EXPECT_EQ(CostPerDrawText(lines, kHighestStakeCents, draws).find("Su "), std::string::npos);
    EXPECT_EQ(CostCentsOver(32767, kHighestStakeCents, 10000), std::int64_t{32767} * kHighestStakeCents * 10000);
}

}  // namespace
}  // namespace ordavex
