#include "guarantee/finite_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace ordavex {
namespace {

// How many of the system's sets of its strength lie in no block or in more than one.
int SetsNotInExactlyOneBlock(const SteinerSystem& system) {
    int wrong = 0;
    const auto visit = [&](auto&& self, int from, NumberMask chosen, int left) -> void {
        if (left == 0) {
            int holding = 0;
            for (const NumberMask& block : system.blocks) {
                holding += (block & chosen) == chosen ? 1 : 0;
            }
            wrong += holding == 1 ? 0 : 1;
            return;
        }
        for (int number = from; number <= system.numbers - left + 1; ++number) {
            NumberMask next = chosen;
            next.Set(number);
            self(self, number + 1, next, left - 1);
        }
    };
    visit(visit, 1, NumberMask{}, system.strength);
    return wrong;
}

std::string NameOf(const SteinerSystem& system) {
    return "S(" + std::to_string(system.strength) + "," + std::to_string(system.length) + "," +
           std::to_string(system.numbers) + ")";
}

void ExpectSteinerSystem(const SteinerSystem& system, int numbers, int length, int strength, std::size_t blocks) {
    const std::string name = NameOf(system);
    EXPECT_EQ(system.numbers, numbers) << name;
    EXPECT_EQ(system.length, length) << name;
    EXPECT_EQ(system.strength, strength) << name;
    EXPECT_EQ(system.blocks.size(), blocks) << name;
    for (const NumberMask& block : system.blocks) {
        ASSERT_EQ(block.Count(), length) << name;
        ASSERT_TRUE(Without(block, NumberMask::FirstNumbers(numbers)).Empty()) << name;
    }
    EXPECT_EQ(SetsNotInExactlyOneBlock(system), 0) << name;
}

TEST(FiniteGeometryTest, ProjectivePlanesAndSpacesHaveEveryPairOnOneLine) {
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 2), 7, 3, 2, 7);  // the Fano plane
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 3), 13, 4, 2, 13);
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 5), 31, 6, 2, 31);
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 7), 57, 8, 2, 57);
    ExpectSteinerSystem(ProjectiveSpaceLines(3, 2), 15, 3, 2, 35);
    ExpectSteinerSystem(ProjectiveSpaceLines(3, 3), 40, 4, 2, 130);
    // Over the fields of 4 and 8 elements, which no arithmetic mod a prime gives.
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 4), 21, 5, 2, 21);
    ExpectSteinerSystem(ProjectiveSpaceLines(2, 8), 73, 9, 2, 73);
    ExpectSteinerSystem(ProjectiveSpaceLines(3, 4), 85, 5, 2, 357);
}

TEST(FiniteGeometryTest, AffinePlanesAndSpacesHaveEveryPairOnOneLine) {
    ExpectSteinerSystem(AffineSpaceLines(2, 3), 9, 3, 2, 12);
    ExpectSteinerSystem(AffineSpaceLines(2, 5), 25, 5, 2, 30);
    ExpectSteinerSystem(AffineSpaceLines(2, 7), 49, 7, 2, 56);
    ExpectSteinerSystem(AffineSpaceLines(3, 3), 27, 3, 2, 117);
    ExpectSteinerSystem(AffineSpaceLines(2, 4), 16, 4, 2, 20);
    ExpectSteinerSystem(AffineSpaceLines(2, 9), 81, 9, 2, 90);
    ExpectSteinerSystem(AffineSpaceLines(3, 4), 64, 4, 2, 336);
}

TEST(FiniteGeometryTest, InversivePlanesHaveEveryTripleOnOneCircle) {
    ExpectSteinerSystem(InversivePlane(3), 10, 4, 3, 30);
    ExpectSteinerSystem(InversivePlane(4), 17, 5, 3, 68);
    ExpectSteinerSystem(InversivePlane(5), 26, 6, 3, 130);
    ExpectSteinerSystem(InversivePlane(7), 50, 8, 3, 350);
    ExpectSteinerSystem(InversivePlane(8), 65, 9, 3, 520);
    EXPECT_THROW(InversivePlane(6), std::invalid_argument);   // no field of 36 elements
    EXPECT_THROW(InversivePlane(11), std::invalid_argument);  // 122 points
}

TEST(FiniteGeometryTest, BinaryAffinePlanesHaveEveryTripleInOnePlane) {
    ExpectSteinerSystem(BinaryAffinePlanes(3), 8, 4, 3, 14);
    ExpectSteinerSystem(BinaryAffinePlanes(4), 16, 4, 3, 140);
}

TEST(FiniteGeometryTest, EveryDesignOfTheListFitsTheNumbersAndIsOneOfAKind) {
    const std::vector<SteinerSystem> designs = FiniteGeometryDesigns();
    ASSERT_FALSE(designs.empty());
    for (std::size_t i = 0; i < designs.size(); ++i) {
        EXPECT_LE(designs[i].numbers, 90) << NameOf(designs[i]);
        for (std::size_t j = i + 1; j < designs.size(); ++j) {
            EXPECT_FALSE(designs[i].numbers == designs[j].numbers && designs[i].length == designs[j].length &&
                         designs[i].strength == designs[j].strength)
                << NameOf(designs[i]) << " twice";
        }
    }
    EXPECT_THROW(ProjectiveSpaceLines(4, 3), std::invalid_argument);  // 121 points
    const auto listed = [&designs](int numbers, int length, int strength) {
        return std::any_of(designs.begin(), designs.end(), [&](const SteinerSystem& d) {
            return d.numbers == numbers && d.length == length && d.strength == strength;
        });
    };
    EXPECT_TRUE(listed(26, 6, 3)) << "the inversive plane of order 5";
    EXPECT_TRUE(listed(82, 10, 3)) << "the inversive plane of order 9";
    EXPECT_TRUE(listed(73, 9, 2)) << "the projective plane of order 8";
    EXPECT_FALSE(listed(91, 10, 2)) << "the projective plane of order 9 has a point too many";
}

}  // namespace
}  // namespace ordavex
