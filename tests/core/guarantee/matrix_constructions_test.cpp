#include "guarantee/matrix_constructions.h"

#include <gtest/gtest.h>

#include "brute_force_cover.h"
#include "guarantee/finite_geometry.h"
#include "guarantee/known_designs.h"

namespace ordavex {
namespace {

using test::MasksOf;
using test::UncoveredByBruteForce;

bool AllOfLength(const std::vector<NumberMask>& lines, int numbers, int length) {
    return std::all_of(lines.begin(), lines.end(), [&](NumberMask line) {
        return line.Count() == length && Without(line, NumberMask::FirstNumbers(numbers)).Empty();
    });
}

TEST(MatrixConstructionsTest, RemovingANumberKeepsTheCoverOverTheOthers) {
    // S(3,6,22) less each of three numbers: 21 numbers, still 3 if 3, lines mended to six.
    const SteinerSystem design = KnownSteinerSystems()[2];
    for (const int removed : {1, 11, 22}) {
        const std::vector<NumberMask> lines = WithoutNumber(design.blocks, 22, removed);
        EXPECT_EQ(lines.size(), 77U) << removed;
        EXPECT_TRUE(AllOfLength(lines, 21, 6)) << removed;
        EXPECT_EQ(UncoveredByBruteForce(lines, 21, 0, 3, 3), 0U) << removed;
    }
    // Lines that become equal once mended are kept once.
    const std::vector<NumberMask> twins = WithoutNumber(MasksOf({{1, 2}, {1, 3}}), 3, 3);
    EXPECT_EQ(twins, MasksOf({{1, 2}}));
}

TEST(MatrixConstructionsTest, TheResidualOfTheFanoPlaneMeetsEveryNumber) {
    // The four lines of the Fano plane off a point: every number of the other six lies on two.
    const std::vector<NumberMask> rest = LinesWithout(ProjectiveSpaceLines(2, 2).blocks, 7);
    EXPECT_EQ(rest.size(), 4U);
    EXPECT_TRUE(AllOfLength(rest, 6, 3));
    EXPECT_EQ(UncoveredByBruteForce(rest, 6, 0, 1, 1), 0U);
}

TEST(MatrixConstructionsTest, LengthenedLinesTakeTheLeastUsedNumbers) {
    const std::vector<NumberMask> lines = Lengthened(MasksOf({{1, 2}, {1, 3}}), 5, 3);
    EXPECT_EQ(lines, MasksOf({{1, 2, 4}, {1, 3, 5}}));
    // A line cannot pass the numbers there are.
    EXPECT_EQ(Lengthened(MasksOf({{1}}), 2, 3), MasksOf({{1, 2}}));
}

TEST(MatrixConstructionsTest, ANewNumberJoinsTheLinesThatCoverTheDrawsHoldingIt) {
    // 8 numbers, lines of 4, 3 if 3: the planes of AG(3,2) on 1..8 less 8, with the pairs of 1..7
    // covered by the Fano plane's lines through 8.
    const std::vector<NumberMask> without = WithoutNumber(BinaryAffinePlanes(3).blocks, 8, 8);
    const std::vector<NumberMask> through = ProjectiveSpaceLines(2, 2).blocks;
    const std::vector<NumberMask> lines = WithNewNumber(without, through, 8);
    EXPECT_TRUE(AllOfLength(lines, 8, 4));
    EXPECT_EQ(UncoveredByBruteForce(lines, 8, 0, 3, 3), 0U);
    // Without the lines through the new number the draws holding it are not all met.
    EXPECT_GT(UncoveredByBruteForce(WithNewNumber(without, {}, 8), 8, 0, 3, 3), 0U);
}

TEST(MatrixConstructionsTest, AProductJoinsEveryPairOfLinesOverTheSplit) {
    const std::vector<NumberMask> lines = Product(MasksOf({{1, 2}, {2, 3}}), MasksOf({{1}, {2}}), 3);
    EXPECT_EQ(lines, MasksOf({{1, 2, 4}, {1, 2, 5}, {2, 3, 4}, {2, 3, 5}}));
    EXPECT_TRUE(Product(MasksOf({{1}}), {}, 1).empty());
}

}  // namespace
}  // namespace ordavex
