#include "guarantee/construction_catalog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "brute_force_cover.h"
#include "guarantee/known_designs.h"
#include "guarantee/matrix_constructions.h"

namespace ordavex {
namespace {

using test::UncoveredByBruteForce;

std::string NameOf(const CoverPlay& play) {
    return std::to_string(play.numbers) + " " + std::to_string(play.length) + " " + std::to_string(play.drawn) + " " +
           std::to_string(play.points);
}

void ExpectEveryConstructionCovers(ConstructionCatalog& catalog, const CoverPlay& play) {
    const std::vector<Construction> constructions = catalog.Constructions(play);
    ASSERT_FALSE(constructions.empty()) << NameOf(play);
    for (const Construction& construction : constructions) {
        const std::string name = NameOf(play) + ", " + construction.how;
        ASSERT_FALSE(construction.lines.empty()) << name;
        for (const NumberMask line : construction.lines) {
            ASSERT_EQ(line.Count(), play.length) << name;
            ASSERT_TRUE(Without(line, NumberMask::FirstNumbers(play.numbers)).Empty()) << name;
        }
        EXPECT_EQ(UncoveredByBruteForce(construction.lines, play.numbers, 0, play.drawn, play.points), 0U) << name;
    }
}

std::size_t SmallestSize(ConstructionCatalog& catalog, const CoverPlay& play) {
    const auto lines = catalog.Smallest(play);
    return lines ? lines->size() : 0;
}

TEST(ConstructionCatalogTest, EveryConstructionOfSmallPlaysCoversByBruteForce) {
    // Without a solver or a library the matrices come from designs, splits and new numbers alone.
    ConstructionCatalog catalog({}, {});
    for (int numbers = 7; numbers <= 14; ++numbers) {
        for (int length = 5; length <= 7 && length < numbers; ++length) {
            for (int drawn = 2; drawn <= 5; ++drawn) {
                for (int points = 1; points <= drawn; ++points) {
                    ExpectEveryConstructionCovers(catalog, {numbers, length, drawn, points});
                }
            }
        }
    }
}

TEST(ConstructionCatalogTest, DesignsCutDownReachTheirKnownSizes) {
    ConstructionCatalog catalog({}, {});
    // S(3,6,22) less a number: 77 lines cover every 3 of 21.
    EXPECT_EQ(SmallestSize(catalog, {21, 6, 3, 3}), 77U);
    // The planes of AG(4,2): 140 lines of 4 cover every 3 of 16.
    EXPECT_EQ(SmallestSize(catalog, {16, 4, 3, 3}), 140U);
    // The projective plane of order 5: every 2 of 31 on one of 31 lines of 6.
    EXPECT_EQ(SmallestSize(catalog, {31, 6, 2, 2}), 31U);
    // S(5,8,24) for 5 of 5; for 4 of 6 drawn S(4,7,23) with the 24th number in each line does:
    // at least 5 of any 6 drawn lie in 1..23.
    EXPECT_EQ(SmallestSize(catalog, {24, 8, 5, 5}), 759U);
    const auto lines = catalog.Smallest({24, 8, 6, 4});
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 253U);
    EXPECT_EQ(UncoveredByBruteForce(*lines, 24, 0, 6, 4), 0U);
    ExpectEveryConstructionCovers(catalog, {15, 4, 3, 3});
    ExpectEveryConstructionCovers(catalog, {13, 5, 2, 2});
    // The circles of the inversive plane of order 5: every 3 of 26 in 130 lines of 6, and of 25
    // after one number is removed and its lines mended; that of order 4 takes numbers over GF(16).
    EXPECT_EQ(SmallestSize(catalog, {26, 6, 3, 3}), 130U);
    EXPECT_EQ(SmallestSize(catalog, {17, 5, 3, 3}), 68U);
    ExpectEveryConstructionCovers(catalog, {25, 6, 3, 3});
    EXPECT_EQ(SmallestSize(catalog, {25, 6, 3, 3}), 130U);
    // The plane of order 8: every 2 of 73 on one of 73 lines of 9.
    EXPECT_EQ(SmallestSize(catalog, {73, 9, 2, 2}), 73U);
}

const Construction* Named(const std::vector<Construction>& constructions, const std::string& how) {
    for (const Construction& construction : constructions) {
        if (construction.how == how) return &construction;
    }
    return nullptr;
}

TEST(ConstructionCatalogTest, BlocksOfASteinerSystemClearOfTheRemovedNumbersHoldEveryFewerSet) {
    ConstructionCatalog catalog({}, {});
    // The 5 octads through any 4 numbers split the other 20 in fours: 4 numbers removed leave
    // one of them clear, and the 130 octads clear of 21..24 hold every 4 of 1..20.
    const std::vector<Construction> forTwenty = catalog.Constructions({20, 8, 4, 4});
    const Construction* octads = Named(forTwenty, "design S(5,8,24) clear of 4 numbers");
    ASSERT_NE(octads, nullptr);
    EXPECT_EQ(octads->lines.size(), 130U);
    EXPECT_LE(SmallestSize(catalog, {20, 8, 4, 4}), 130U);
    ExpectEveryConstructionCovers(catalog, {20, 8, 4, 4});
    ExpectEveryConstructionCovers(catalog, {22, 8, 6, 4});
    ExpectEveryConstructionCovers(catalog, {21, 10, 5, 4});
    // The planes of AG(4,2) through 2 points split the other 14 in pairs: up to 6 removed.
    ExpectEveryConstructionCovers(catalog, {10, 4, 2, 2});
    EXPECT_NE(Named(catalog.Constructions({10, 4, 2, 2}), "design S(3,4,16) clear of 6 numbers"), nullptr);

    // One more removed number than parts, and some 4 numbers lose all five octads.
    std::vector<NumberMask> clear = GolayOctads().blocks;
    for (int number = 24; number > 19; --number) clear = LinesWithout(clear, number);
    EXPECT_GT(UncoveredByBruteForce(clear, 19, 0, 4, 4), 0U);
    // Past that, the fifth number is removed by mending the 130 lines.
    const std::vector<Construction> forNineteen = catalog.Constructions({19, 8, 4, 4});
    EXPECT_EQ(Named(forNineteen, "design S(5,8,24) clear of 5 numbers"), nullptr);
    const Construction* mended = Named(forNineteen, "design S(5,8,24) clear of 4 numbers, less 1 more");
    ASSERT_NE(mended, nullptr);
    EXPECT_LE(mended->lines.size(), 130U);
    ExpectEveryConstructionCovers(catalog, {19, 8, 4, 4});
}

TEST(ConstructionCatalogTest, TheGolayTracesServeTheCoveringsOnly) {
    ConstructionCatalog catalog({}, {});
    const std::vector<Construction> forTwenty = catalog.Constructions({20, 8, 4, 4});
    const Construction* traces = Named(forTwenty, "traces of the Golay code");
    ASSERT_NE(traces, nullptr);
    EXPECT_LT(traces->lines.size(), 130U);
    EXPECT_EQ(SmallestSize(catalog, {20, 8, 4, 4}), traces->lines.size());
    ExpectEveryConstructionCovers(catalog, {18, 10, 5, 5});
    EXPECT_NE(Named(catalog.Constructions({18, 10, 5, 5}), "traces of the Golay code"), nullptr);
    // Covering every 4 is far more than 4 points if 6 are drawn need.
    EXPECT_EQ(Named(catalog.Constructions({22, 8, 6, 4}), "traces of the Golay code"), nullptr);
}

TEST(ConstructionCatalogTest, TrivialPlaysNeedOneLineOrLinesOverTheLowestNumbers) {
    ConstructionCatalog catalog({}, {});
    // Every 8 of 10 meet any line of 6 in 4 numbers.
    EXPECT_EQ(SmallestSize(catalog, {10, 6, 8, 4}), 1U);
    // One point of 3 drawn out of 20: the lowest drawn number is at most 18, three lines of 6.
    EXPECT_EQ(SmallestSize(catalog, {20, 6, 3, 1}), 3U);
    ExpectEveryConstructionCovers(catalog, {20, 6, 3, 1});
    // Not a play: nothing.
    EXPECT_TRUE(catalog.Constructions({5, 6, 3, 3}).empty());
    EXPECT_TRUE(catalog.Constructions({10, 6, 3, 4}).empty());
}

TEST(ConstructionCatalogTest, LibraryMatricesOfMoreNumbersAndShorterLinesAreCutToThePlay) {
    std::map<CoverPlay, int> asked;
    const LibraryLookup library = [&asked](const CoverPlay& play) -> std::vector<std::vector<NumberMask>> {
        ++asked[play];
        if (play == CoverPlay{22, 6, 3, 3}) {
            return {KnownSteinerSystems()[2].blocks};
        }
        // Lines of 5 that cover nothing in full: the catalog takes the library at its word, and the
        // generator proves what it starts from.
        if (play == CoverPlay{20, 5, 3, 3}) {
            std::vector<NumberMask> lines;
            for (int first = 1; first <= 16; ++first) {
                lines.push_back(Without(NumberMask::FirstNumbers(first + 4), NumberMask::FirstNumbers(first - 1)));
            }
            return {lines};
        }
        return {};
    };
    ConstructionCatalog catalog(library, {});
    const std::vector<Construction> constructions = catalog.Constructions({20, 6, 3, 3});
    const auto from = [&](const std::string& how) {
        return std::count_if(constructions.begin(), constructions.end(),
                             [&](const Construction& c) { return c.how == how; });
    };
    EXPECT_EQ(from("library matrix of 22 numbers"), 1);
    EXPECT_EQ(from("library matrix of shorter lines"), 1);
    EXPECT_GE(asked[(CoverPlay{21, 6, 3, 3})], 1);
    for (const Construction& construction : constructions) {
        if (construction.how == "library matrix of 22 numbers") {
            EXPECT_EQ(UncoveredByBruteForce(construction.lines, 20, 0, 3, 3), 0U);
            EXPECT_LE(construction.lines.size(), 77U);
        }
    }
}

TEST(ConstructionCatalogTest, TheQuickSolverServesOnlySmallPlaysAndTheSmallestIsRemembered) {
    std::map<CoverPlay, int> solved;
    const SmallMatrixSolver solver = [&solved](const CoverPlay& play) -> std::optional<std::vector<NumberMask>> {
        ++solved[play];
        return std::nullopt;
    };
    ConstructionCatalog catalog({}, solver);
    catalog.Smallest({12, 6, 4, 3});
    catalog.Smallest({12, 6, 4, 3});
    EXPECT_EQ(solved[(CoverPlay{12, 6, 4, 3})], 1);  // C(12,4) = 495 sets, asked once
    catalog.Smallest({30, 10, 7, 5});
    EXPECT_EQ(solved.count(CoverPlay{30, 10, 7, 5}), 0U);  // C(30,7): far too many sets
}

TEST(ConstructionCatalogTest, PastTheDeadlineTheDesignsStillServe) {
    ConstructionCatalog catalog({}, {}, {}, std::chrono::steady_clock::now() - std::chrono::seconds(1));
    const std::vector<Construction> constructions = catalog.Constructions({21, 6, 3, 3});
    ASSERT_FALSE(constructions.empty());
    for (const Construction& construction : constructions) {
        EXPECT_EQ(construction.how.find("split"), std::string::npos);
    }
    EXPECT_EQ(SmallestSize(catalog, {21, 6, 3, 3}), 77U);
}

TEST(ConstructionCatalogTest, AStopRequestGivesNothing) {
    ConstructionCatalog catalog({}, {}, [] { return true; });
    EXPECT_TRUE(catalog.Constructions({21, 6, 3, 3}).empty());
    EXPECT_FALSE(catalog.Smallest({21, 6, 3, 3}).has_value());
}

}  // namespace
}  // namespace ordavex
