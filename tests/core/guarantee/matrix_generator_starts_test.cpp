#include <gtest/gtest.h>

#include <vector>

#include "brute_force_cover.h"
#include "guarantee/guarantee_checker.h"
#include "guarantee/known_designs.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/shared_search.h"

namespace ordavex {
namespace {

using test::UncoveredByBruteForce;

GeneratorSettings QuickSettings(int numbers, int length, int drawn, int points) {
    GeneratorSettings settings;
    settings.numbers = numbers;
    settings.length = length;
    settings.drawn = drawn;
    settings.points = points;
    settings.patience = 1;  // the start, and hardly a move
    settings.seconds = 30;
    return settings;
}

TEST(GeneratorStartsTest, AConstructionSmallerThanTheGreedyMatrixIsTheStart) {
    // 21 numbers, 3 if 3: S(3,6,22) less a number, 77 lines, where a greedy start has more.
    GeneratorSettings settings = QuickSettings(21, 6, 3, 3);
    const GeneratorResult constructed = MatrixGenerator(settings).Run();
    EXPECT_EQ(constructed.lines.size(), 77U);
    EXPECT_EQ(UncoveredByBruteForce(constructed.lines, 21, 0, 3, 3), 0U);
    settings.constructions = false;
    EXPECT_GT(MatrixGenerator(settings).Run().lines.size(), 77U);
}

TEST(GeneratorStartsTest, WithinABudgetTheConstructionIsTakenWhenItFits) {
    GeneratorSettings settings = QuickSettings(21, 6, 3, 3);
    settings.budget = 77;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    EXPECT_EQ(result.uncovered, 0U);
    EXPECT_EQ(result.lines.size(), 77U);
}

TEST(GeneratorStartsTest, ALibraryMatrixThatDoesNotCoverIsNoStart) {
    // The "library" offers, for one number more, lines that cover nothing in full: fewer lines
    // than any start, so the generator takes them, finds them short and goes back to its own.
    GeneratorSettings settings = QuickSettings(13, 6, 3, 3);
    int asked = 0;
    settings.library = [&asked](const CoverPlay& play) -> std::vector<std::vector<NumberMask>> {
        ++asked;
        if (play.numbers != 14 || play.length != 6) {
            return {};
        }
        return {{NumberMask::FirstNumbers(6), Without(NumberMask::FirstNumbers(12), NumberMask::FirstNumbers(6))}};
    };
    const GeneratorResult result = MatrixGenerator(settings).Run();
    EXPECT_GT(asked, 0);
    EXPECT_EQ(result.uncovered, 0U);
    EXPECT_EQ(UncoveredByBruteForce(result.lines, 13, 0, 3, 3), 0U);
}

TEST(GeneratorStartsTest, SearchesSideBySideShareTheSmallestMatrix) {
    SharedSearch shared;
    shared.lowerBound = 2;
    const std::vector<NumberMask> four(4, NumberMask::FirstNumbers(3));
    const std::vector<NumberMask> three(3, NumberMask::FirstNumbers(2));
    shared.OfferComplete(four);
    shared.OfferComplete(three);
    shared.OfferComplete(four);
    EXPECT_EQ(shared.SmallestMatrixLines(), 3U);
    EXPECT_EQ(shared.SmallestMatrix(), three);
    EXPECT_FALSE(shared.stop);
    shared.OfferComplete(std::vector<NumberMask>(2, NumberMask::FirstNumbers(1)));
    EXPECT_TRUE(shared.stop);  // the bound is reached: every search ends
}

TEST(GeneratorStartsTest, TwoSearchesThatShareTheirBestKeepTheGuarantee) {
    GeneratorSettings settings = QuickSettings(14, 6, 4, 3);
    settings.patience = 20'000;
    settings.threads = 2;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    ASSERT_FALSE(result.lines.empty());
    EXPECT_EQ(GuaranteeChecker(result.lines, 14).CheckClaim(3, 4).status, ClaimStatus::kHolds);
    EXPECT_GE(result.lines.size(), result.lowerBound);
}

}  // namespace
}  // namespace ordavex
