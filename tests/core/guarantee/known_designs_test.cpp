#include "guarantee/known_designs.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "guarantee/matrix_lower_bound.h"

namespace ordavex {
namespace {

// How many blocks hold the set; every set of `size` numbers out of 1..numbers is visited.
template <class Visit>
void ForEachSubset(int numbers, int size, NumberMask chosen, int from, Visit&& visit) {
    if (size == 0) {
        visit(chosen);
        return;
    }
    for (int number = from; number <= numbers - size + 1; ++number) {
        NumberMask next = chosen;
        next.Set(number);
        ForEachSubset(numbers, size - 1, next, number + 1, visit);
    }
}

TEST(KnownDesignsTest, TheGolayCodeHasItsWeightsAndIsClosedUnderSums) {
    const std::vector<NumberMask> words = GolayCodeWords();
    ASSERT_EQ(words.size(), 4096U);
    std::map<int, int> weights;
    for (const NumberMask& word : words) ++weights[word.Count()];
    EXPECT_EQ(weights, (std::map<int, int>{{0, 1}, {8, 759}, {12, 2576}, {16, 759}, {24, 1}}));
    const std::set<NumberMask> code(words.begin(), words.end());
    for (std::size_t i = 0; i < words.size(); i += 97) {
        for (std::size_t j = i; j < words.size(); j += 89) {
            const NumberMask sum = Without(words[i], words[j]) | Without(words[j], words[i]);
            ASSERT_TRUE(code.contains(sum)) << i << " + " << j;
        }
    }
}

TEST(KnownDesignsTest, EverySetOfTheStrengthLiesInExactlyOneBlock) {
    const struct {
        int numbers, length, strength;
        std::size_t blocks;
    } expected[] = {{24, 8, 5, 759}, {23, 7, 4, 253}, {22, 6, 3, 77}};
    const std::vector<SteinerSystem> systems = KnownSteinerSystems();
    ASSERT_EQ(systems.size(), std::size(expected));
    for (std::size_t i = 0; i < systems.size(); ++i) {
        const SteinerSystem& system = systems[i];
        const std::string name = "S(" + std::to_string(expected[i].strength) + "," +
                                 std::to_string(expected[i].length) + "," + std::to_string(expected[i].numbers) + ")";
        EXPECT_EQ(system.numbers, expected[i].numbers) << name;
        EXPECT_EQ(system.length, expected[i].length) << name;
        EXPECT_EQ(system.strength, expected[i].strength) << name;
        EXPECT_EQ(system.blocks.size(), expected[i].blocks) << name;
        for (const NumberMask& block : system.blocks) {
            EXPECT_EQ(block.Count(), system.length) << name;
            EXPECT_EQ(Without(block, NumberMask::FirstNumbers(system.numbers)), NumberMask{}) << name;
        }
        int wrong = 0;
        ForEachSubset(system.numbers, system.strength, NumberMask{}, 1, [&](NumberMask set) {
            int holding = 0;
            for (const NumberMask& block : system.blocks) {
                holding += (block & set) == set ? 1 : 0;
            }
            wrong += holding == 1 ? 0 : 1;
        });
        EXPECT_EQ(wrong, 0) << name;
    }
}

TEST(KnownDesignsTest, ADesignStartsOnlyTheSearchesItAlreadySolves) {
    const struct {
        int numbers, length, drawn, points;
        std::size_t lines;
    } cases[] = {
        {22, 6, 3, 3, 77},  {22, 6, 6, 3, 77}, {22, 6, 6, 2, 77}, {23, 7, 4, 4, 253}, {24, 8, 5, 5, 759},
        {24, 8, 5, 4, 759}, {22, 6, 2, 2, 0},  {22, 6, 3, 4, 0},  {21, 6, 3, 3, 0},   {22, 7, 3, 3, 0},
    };
    for (const auto& c : cases) {
        const auto start = KnownDesignStart(c.numbers, c.length, c.drawn, c.points);
        EXPECT_EQ(start ? start->size() : 0U, c.lines)
            << c.numbers << " " << c.length << " " << c.drawn << " " << c.points;
    }
}

TEST(MatrixLowerBoundTest, TheLargestOfTheBounds) {
    // Worked out by hand; where the least size is known, the bound does not pass it.
    const struct {
        int numbers, length, drawn, points;
        std::uint64_t bound;
    } cases[] = {
        {22, 6, 3, 3, 77},   // Schönheim, met by S(3,6,22)
        {7, 3, 2, 2, 7},     // Schönheim, met by the Fano plane
        {12, 6, 3, 3, 14},   // ceil(2 ceil(11/5 ceil(10/4))); the least is 15
        {13, 6, 3, 3, 18},   // ceil(13/6 ceil(12/5 ceil(11/4)))
        {10, 5, 8, 3, 2},    // every number used: ceil(10/5)
        {30, 10, 7, 5, 39},  // C(30,7) = 2035800 sets, 52200 of them met by one line in 5 or more
        {20, 10, 10, 6, 4},  // ceil(184756 / 60626)
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatrixLowerBound(c.numbers, c.length, c.drawn, c.points), c.bound)
            << c.numbers << " " << c.length << " " << c.drawn << " " << c.points;
    }
}

}  // namespace
}  // namespace ordavex
