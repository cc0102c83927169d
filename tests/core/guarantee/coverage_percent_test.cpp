#include "guarantee/coverage_percent.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ordavex {
namespace {

TEST(CoveragePercentTest, WorkedOutByHand) {
    const struct {
        std::uint64_t covered, draws;
        const char* text;
    } cases[] = {
        {122569, 125970, "97.3"},  // 3401 draws of 8 out of 20 not covered
        {1, 8, "12.5"},            // half up
        {1999, 2000, "99.95"},
        {1, 2000, "0.1"},  // 0.05 half up
        {1, 3000, "0.03"},
        {7, 7, "100"},
        {0, 7, "0"},
        {9995, 10000, "99.95"},  // one decimal would round up to all
        // The most draws counted, 19 out of 90: one not covered, or one covered.
        {14'360'771'909'211'532'199ULL, 14'360'771'909'211'532'200ULL, "99.99999999999999999"},
        {1, 14'360'771'909'211'532'200ULL, "0.00000000000000001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoveragePercentText(c.covered, c.draws, '.'), c.text) << c.covered << " of " << c.draws;
    }
    EXPECT_EQ(CoveragePercentText(122569, 125970, ','), "97,3");
    EXPECT_THROW(CoveragePercentText(1, 0, ','), std::invalid_argument);
    EXPECT_THROW(CoveragePercentText(3, 2, ','), std::invalid_argument);
}

// The text read back as a whole number of units of its last decimal, and how many decimals.
struct Shown {
    std::uint64_t units = 0;
    int decimals = 0;
};

Shown ReadBack(const std::string& text) {
    Shown shown;
    bool afterMark = false;
    for (char c : text) {
        if (c == ',') {
            afterMark = true;
            continue;
        }
        shown.units = shown.units * 10 + static_cast<std::uint64_t>(c - '0');
        if (afterMark) ++shown.decimals;
    }
    return shown;
}

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

// Every share of up to 400 draws: the text is the share rounded half up to its decimals, is
// 100 or 0 only when exact, and has one decimal, or more only where fewer would read as all or
// none.
TEST(CoveragePercentTest, EveryShareIsRoundedAndNeverReadsAsAllOrNone) {
    for (std::uint64_t draws = 1; draws <= 400; ++draws) {
        for (std::uint64_t covered = 0; covered <= draws; ++covered) {
            const std::string text = CoveragePercentText(covered, draws, ',');
            const std::string name = std::to_string(covered) + " of " + std::to_string(draws) + ": " + text;
            if (covered == draws || covered == 0) {
                EXPECT_EQ(text, covered == 0 ? "0" : "100") << name;
                continue;
            }
            const Shown shown = ReadBack(text);
            ASSERT_GE(shown.decimals, 1) << name;
            ASSERT_LE(shown.decimals, 6) << name;
            // Half up: units - 1/2 <= exact < units + 1/2, all in units of the last decimal
            // times 2 * draws.
            const std::uint64_t exact = 2 * covered * 100 * PowerOfTen(shown.decimals);
            EXPECT_LE(2 * shown.units * draws, exact + draws) << name;
            EXPECT_GT(2 * shown.units * draws + draws, exact) << name;
            EXPECT_GT(shown.units, 0U) << name;
            EXPECT_LT(shown.units, 100 * PowerOfTen(shown.decimals)) << name;
            if (shown.decimals > 1) {
                // One decimal fewer rounds to all or none.
                const std::uint64_t fewer = (2 * covered * 100 * PowerOfTen(shown.decimals - 1) + draws) / (2 * draws);
                EXPECT_TRUE(fewer == 0 || fewer == 100 * PowerOfTen(shown.decimals - 1)) << name;
            }
        }
    }
}

}  // namespace
}  // namespace ordavex
