#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "checking/archive_check.h"
#include "checking/draw_probability.h"
#include "checking/number_mask_of_line.h"

namespace ordavex {
namespace {

DrawnFlags FlagsOf(const NumberMask& numbers) {
    DrawnFlags flags{};
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) flags[static_cast<std::size_t>(n)] = numbers.Has(n);
    return flags;
}

std::vector<ArchiveDraw> RandomDraws(std::mt19937& random, int count) {
    std::vector<int> numbers(kHighestNumber);
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::vector<ArchiveDraw> draws(static_cast<std::size_t>(count));
    for (auto& draw : draws) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int k = 0; k < kNumbersPerDraw; ++k) draw.numbers.Set(numbers[static_cast<std::size_t>(k)]);
    }
    return draws;
}

// Lines of 1 to 25 numbers as a loaded system may hold them: repeats, no leading zero, any order.
LineList RandomSystem(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> length(1, 25);
    std::uniform_int_distribution<int> number(kLowestNumber, kHighestNumber);
    LineList lines(static_cast<std::size_t>(count));
    for (auto& line : lines) {
        for (int k = length(random); k > 0; --k) line += std::to_string(number(random)) + (k > 1 ? " " : "");
    }
    return lines;
}

TEST(ArchiveCheck, AgreesWithTheDrawCheckTabulationOnEveryCount) {
    std::mt19937 random(16);
    for (const int lines : {1, 7, 200}) {
        const auto system = RandomSystem(random, lines);
        const auto draws = RandomDraws(random, 300);
        const int wanted = 3;
        const ArchiveChecker checker(system, wanted);
        ArchiveRecord record;
        checker.Check(draws, 0, 120, record);  // in two pieces, as the window does
        checker.Check(draws, 120, draws.size(), record);

        ArchiveRecord expected;
        NumberMask used;
        for (const auto& line : system) used |= NumberMaskOfLine(line);
        for (std::size_t d = 0; d < draws.size(); ++d) {
            const auto tally = TallyScores(system, FlagsOf(draws[d].numbers));
            for (std::size_t s = 0; s < tally.size(); ++s) {
                expected.drawsWith[s] += tally[s] > 0 ? 1 : 0;
                expected.wins[s] += tally[s];
            }
            int best = 0;
            for (const auto& line : system) best = std::max(best, Score(line, FlagsOf(draws[d].numbers)));
            ASSERT_EQ(record.best[d].score, best) << "draw " << d;
            ASSERT_EQ(record.best[d].position, d);
            expected.conditionMet += CommonCount(used, draws[d].numbers) >= wanted ? 1 : 0;
        }
        EXPECT_EQ(record.drawsWith, expected.drawsWith) << lines;
        EXPECT_EQ(record.wins, expected.wins) << lines;
        EXPECT_EQ(record.conditionMet, expected.conditionMet) << lines;
    }
}

TEST(ArchiveCheck, BestFirstKeepsArchiveOrderAmongEquals) {
    const auto sorted = BestFirst({{0, 2}, {1, 5}, {2, 2}, {3, 7}, {4, 5}});
    std::vector<std::size_t> positions;
    for (const auto& best : sorted) positions.push_back(best.position);
    EXPECT_EQ(positions, (std::vector<std::size_t>{3, 1, 4, 0, 2}));
}

TEST(DrawProbability, HandWorkedValuesForTwentyNumbers) {
    // Exactly 8 of 20 chosen among 20 drawn of 90: C(20,8) C(70,12) / C(90,20)
    // = 125970 * 10638894058520 / 50980740277700939310.
    const long double exactlyEight = 125970.0L * 10638894058520.0L / 50980740277700939310.0L;
    EXPECT_NEAR(static_cast<double>(ProbabilityAtLeast(20, 8) - ProbabilityAtLeast(20, 9)),
                static_cast<double>(exactlyEight), 1e-15);
    // At least 8: the terms k = 8..20 sum to 1789124507970473478 / 50980740277700939310.
    EXPECT_EQ(ConditionProbabilityText(20, 8),
              "Probabilità che almeno 8 dei 20 numeri siano estratti: 3,51% (in media 1 estrazione ogni 28,5)");
    // One chosen number is drawn with chance 20/90.
    EXPECT_NEAR(static_cast<double>(ProbabilityAtLeast(1, 1)), 20.0 / 90.0, 1e-15);
    EXPECT_EQ(ProbabilityAtLeast(21, 21), 0);
    EXPECT_EQ(ProbabilityAtLeast(5, 0), 1);
}

TEST(DrawProbability, FixedNumbersMustAllBeDrawn) {
    // The fixed number and 7 of the other 19: (20/90) * P(at least 7 of 19 among 19 drawn of 89).
    EXPECT_NEAR(static_cast<double>(ProbabilityWithFixed(20, 1, 8)),
                static_cast<double>(20.0L / 90 * ProbabilityAtLeast(19, 7, 89, 19)), 1e-15);
    EXPECT_EQ(ProbabilityWithFixed(20, 0, 8), ProbabilityAtLeast(20, 8));
    EXPECT_LT(ProbabilityWithFixed(20, 2, 8), ProbabilityWithFixed(20, 1, 8));
    EXPECT_EQ(ConditionProbabilityText(18, 8, 2).rfind("Probabilità che le 2 fisse e almeno 6 degli altri 16 numeri "
                                                       "siano estratti: ",
                                                       0),
              0u);
    EXPECT_EQ(ConditionProbabilityText(18, 8, 1).rfind("Probabilità che la fissa e almeno 7 degli altri 17", 0), 0u);
}

TEST(DrawProbability, AgreesWithAnExhaustiveCountOnASmallPool) {
    // Every draw of 4 out of 1..12, against the chosen numbers 1..chosen.
    constexpr int kPool = 12;
    constexpr int kDrawn = 4;
    for (int chosen = 0; chosen <= kPool; ++chosen) {
        for (int wanted = 0; wanted <= kDrawn + 1; ++wanted) {
            int draws = 0;
            int met = 0;
            for (unsigned mask = 0; mask < (1u << kPool); ++mask) {
                if (std::popcount(mask) != kDrawn) continue;
                ++draws;
                met += std::popcount(mask & ((1u << chosen) - 1)) >= wanted ? 1 : 0;
            }
            EXPECT_NEAR(static_cast<double>(ProbabilityAtLeast(chosen, wanted, kPool, kDrawn)),
                        static_cast<double>(met) / draws, 1e-15)
                << chosen << " " << wanted;
        }
    }
}

TEST(DrawProbability, Texts) {
    const struct {
        long double probability;
        const char* text;
    } percents[] = {{1, "100,00%"}, {0.2222, "22,22%"}, {0.001234, "0,123%"}, {0.0000123456, "0,00123%"}, {0, "0,00%"}};
    for (const auto& c : percents) EXPECT_EQ(PercentText(c.probability), c.text);
    // All ten of ten: C(80,10) / C(90,20) = 1646492110120 / 50980740277700939310, once in 30963246.02.
    EXPECT_EQ(ConditionProbabilityText(10, 10),
              "Probabilità che almeno 10 dei 10 numeri siano estratti: 0,00000323% "
              "(in media 1 estrazione ogni 30.963.246)");
    EXPECT_NE(ConditionProbabilityText(30, 21).find(": 0,00% (mai"), std::string::npos);
    EXPECT_EQ(ConditionHistoryText(7, 500), "Nelle 500 estrazioni scelte è successo 7 volte (1,40%)");
    EXPECT_EQ(ConditionHistoryText(1, 4), "Nelle 4 estrazioni scelte è successo 1 volta (25,00%)");
}

}  // namespace
}  // namespace ordavex
