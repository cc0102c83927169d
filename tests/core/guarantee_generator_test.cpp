#include "guarantee/matrix_generator.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "guarantee/guarantee_checker.h"
#include "guarantee/matrix_generator_coverage.h"
#include "guarantee/matrix_lower_bound.h"

namespace ordavex {
namespace {

GeneratorSettings Settings(int numbers, int length, int drawn, int points) {
    GeneratorSettings settings;
    settings.numbers = numbers;
    settings.length = length;
    settings.drawn = drawn;
    settings.points = points;
    settings.seed = 7;
    settings.patience = 500;
    settings.seconds = 30;
    return settings;
}

TEST(GuaranteeGeneratorTest, EveryMatrixItMakesKeepsItsGuarantee) {
    for (const auto& [numbers, length, drawn, points] : std::vector<std::array<int, 4>>{
             {8, 5, 4, 3}, {10, 5, 5, 3}, {12, 6, 3, 3}, {9, 6, 6, 4}, {7, 5, 2, 2}, {11, 5, 6, 4}, {10, 6, 5, 4}})
        for (const SearchMethod method : {SearchMethod::kWeighted, SearchMethod::kAnnealing}) {
            GeneratorSettings settings = Settings(numbers, length, drawn, points);
            settings.method = method;
            settings.patience = method == SearchMethod::kAnnealing ? 20'000 : settings.patience;
            const GeneratorResult result = MatrixGenerator(settings).Run();
            const std::string name = "N=" + std::to_string(numbers) + " k=" + std::to_string(length) +
                                     (method == SearchMethod::kAnnealing ? " annealing" : " weighted");
            ASSERT_FALSE(result.lines.empty()) << name;
            NumberMask used;
            for (const NumberMask& line : result.lines) {
                EXPECT_EQ(line.Count(), length) << name;
                used |= line;
            }
            EXPECT_EQ(used, NumberMask::FirstNumbers(numbers)) << name << ": every number 1..N is used";
            EXPECT_TRUE(std::is_sorted(result.lines.begin(), result.lines.end(), [](NumberMask a, NumberMask b) {
                return a.Lowest() < b.Lowest();
            })) << name;
            EXPECT_EQ(GuaranteeChecker(result.lines, numbers).CheckClaim(points, drawn).status, ClaimStatus::kHolds)
                << name;
        }
}

TEST(GuaranteeGeneratorTest, AStartWeighedOnSamplesIsAsSmallAsAnExactOne) {
    // C(20, 8) = 125,970 sets: more than one sample holds, so the first lines are weighed on
    // random samples and the last ones on every uncovered set.
    GeneratorSettings settings = Settings(20, 10, 8, 5);
    settings.seed = 1;
    settings.patience = 1;
    const GeneratorResult exact = MatrixGenerator(settings).Run();
    settings.exactGreedyWork = 0;
    const GeneratorResult sampled = MatrixGenerator(settings).Run();
    EXPECT_EQ(GuaranteeChecker(sampled.lines, 20).CheckClaim(5, 8).status, ClaimStatus::kHolds);
    // 12 against 10; lines chosen without regard to what they cover give 14.
    EXPECT_LE(sampled.lines.size(), exact.lines.size());
}

TEST(GuaranteeGeneratorTest, ReachesTheLeastSizeOfSmallCases) {
    // Seven lines of three holding every pair of 1..7 (the Fano plane) is the least possible.
    EXPECT_EQ(MatrixGenerator(Settings(7, 3, 2, 2)).Run().lines.size(), 7U);
    // One line already meets any 8 of 1..10 in 3 numbers, but a matrix must use all ten.
    const GeneratorResult result = MatrixGenerator(Settings(10, 5, 8, 3)).Run();
    EXPECT_EQ(result.lines.size(), 2U);
    EXPECT_EQ(result.lines[0] | result.lines[1], NumberMask::FirstNumbers(10));
}

TEST(GuaranteeGeneratorTest, SeveralSearchesKeepTheGuaranteeAndStopAtTheBound) {
    const struct {
        int numbers, length, drawn, points, threads;
    } cases[] = {
        {11, 5, 6, 4, 3},  // stops by patience
        {22, 6, 3, 3, 2},  // starts from S(3,6,22), which meets the bound at once
        {7, 3, 2, 2, 4},   // the searches meet the bound and stop each other
    };
    for (const auto& c : cases) {
        GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
        settings.threads = c.threads;
        const GeneratorResult result = MatrixGenerator(settings).Run();
        const std::string name = "N=" + std::to_string(c.numbers) + " k=" + std::to_string(c.length);
        EXPECT_EQ(result.lowerBound, MatrixLowerBound(c.numbers, c.length, c.drawn, c.points)) << name;
        EXPECT_GE(result.lines.size(), result.lowerBound) << name;
        EXPECT_FALSE(result.stoppedByTime) << name;
        EXPECT_EQ(GuaranteeChecker(result.lines, c.numbers).CheckClaim(c.points, c.drawn).status, ClaimStatus::kHolds)
            << name;
    }
    GeneratorSettings steiner = Settings(22, 6, 3, 3);
    EXPECT_EQ(MatrixGenerator(steiner).Run().lines.size(), 77U);
    // From the design, the search for 4 drawn only ever removes lines.
    steiner.drawn = 4;
    steiner.patience = 20;
    const GeneratorResult fewer = MatrixGenerator(steiner).Run();
    EXPECT_LT(fewer.lines.size(), 77U);
    EXPECT_EQ(GuaranteeChecker(fewer.lines, 22).CheckClaim(3, 4).status, ClaimStatus::kHolds);
}

TEST(GuaranteeGeneratorTest, TheSameSeedGivesTheSameMatrix) {
    for (const SearchMethod method : {SearchMethod::kWeighted, SearchMethod::kAnnealing}) {
        GeneratorSettings settings = Settings(11, 5, 3, 3);
        settings.method = method;
        const GeneratorResult first = MatrixGenerator(settings).Run();
        const GeneratorResult second = MatrixGenerator(settings).Run();
        ASSERT_FALSE(first.stoppedByTime);
        EXPECT_EQ(first.lines, second.lines);
        EXPECT_EQ(first.moves, second.moves);
    }
}

TEST(GuaranteeGeneratorTest, TheProcessorTimeOfEachSearchEndsTheRun) {
    // 19 lines is the smallest matrix known, far above the lower bound, so only the limit can end
    // the search.
    GeneratorSettings settings = Settings(15, 6, 6, 4);
    settings.patience = std::numeric_limits<std::uint64_t>::max();
    settings.seconds = 1e6;
    settings.cpuSeconds = 0.3;
    settings.threads = 2;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    EXPECT_TRUE(result.stoppedByTime);
    EXPECT_EQ(GuaranteeChecker(result.lines, 15).CheckClaim(4, 6).status, ClaimStatus::kHolds);
}

TEST(GuaranteeGeneratorTest, RefusesImpossibleParameters) {
    const struct {
        int numbers, length, drawn, points;
        const char* mentions;
    } cases[] = {
        {10, 11, 5, 3, "k = 11"}, {10, 5, 11, 3, "p = 11"}, {10, 5, 4, 5, "t = 5"},  {10, 3, 5, 4, "t = 4"},
        {10, 5, 5, 0, "t = 0"},   {0, 5, 5, 3, "N = 0"},    {91, 5, 5, 3, "N = 91"}, {30, 10, 21, 5, "p = 21"},
        {10, 0, 5, 1, "k = 0"},   {10, 5, 0, 1, "p = 0"},
    };
    for (const auto& c : cases) {
        const std::string error = MatrixGenerator::ParameterError(c.numbers, c.length, c.drawn, c.points);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
        EXPECT_THROW(MatrixGenerator(Settings(c.numbers, c.length, c.drawn, c.points)), std::invalid_argument)
            << c.mentions;
    }
    EXPECT_EQ(MatrixGenerator::ParameterError(20, 10, 8, 6), "");
}

// Sets of p numbers out of 1..N (N small) that pass the test, counted one by one.
template <class Test>
std::size_t CountSetsByBruteForce(int numbers, int drawn, Test test) {
    std::size_t count = 0;
    for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << numbers); ++bits) {
        const NumberMask set{bits, 0};
        count += set.Count() == drawn && test(set) ? 1 : 0;
    }
    return count;
}

std::size_t CoveringLines(const std::vector<NumberMask>& lines, NumberMask set, int points) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](NumberMask line) { return CommonCount(line, set) >= points; }));
}

// Every swap of every line, weighed from the sets only one line covers, against the count of
// every set the swap moves; and the sets each line alone covers barely, counted one by one.
void ExpectQuickChangesExact(const MatrixGeneratorCoverage& coverage, const std::vector<NumberMask>& lines, int numbers,
                             int drawn, int points, int step) {
    for (std::size_t id = 0; id < lines.size(); ++id) {
        const std::size_t sole = CountSetsByBruteForce(numbers, drawn, [&](NumberMask set) {
            return CommonCount(set, lines[id]) == points && CoveringLines(lines, set, points) == 1;
        });
        ASSERT_EQ(coverage.SoleCoverCount(static_cast<std::uint32_t>(id)), sole) << "step " << step << ", line " << id;
        for (NumberMask outs = lines[id]; !outs.Empty(); outs.RemoveLowest()) {
            for (NumberMask ins = Without(NumberMask::FirstNumbers(numbers), lines[id]); !ins.Empty();
                 ins.RemoveLowest()) {
                const int out = outs.Lowest();
                const int in = ins.Lowest();
                ASSERT_EQ(coverage.QuickSwapChange(lines[id], static_cast<std::uint32_t>(id), out, in),
                          coverage.SwapChange(lines[id], out, in))
                    << "step " << step << ", line " << id << ", " << out << " for " << in;
            }
        }
    }
}

TEST(GuaranteeGeneratorTest, SwapChangesAreExact) {
    const struct {
        int numbers, length, drawn, points, lines;
    } cases[] = {{9, 4, 3, 2, 4}, {10, 5, 4, 3, 4}, {12, 6, 5, 3, 4}, {12, 5, 6, 4, 4}, {11, 5, 5, 3, 5}};
    // Sole covers counted from the first line on, or only from the middle of the swaps.
    for (const auto& c : cases)
        for (const int countFrom : {0, 6}) {
            MatrixGeneratorCoverage coverage(c.numbers, c.drawn, c.points);
            std::vector<NumberMask> lines;
            if (countFrom == 0) {
                coverage.CountSoleCovers();
            }
            for (int first = 1; first <= c.lines; ++first) {
                NumberMask line;
                for (int i = 0; i < c.length; ++i) {
                    line.Set((first * 5 + i * 3) % c.numbers + 1);
                }
                for (int fill = 1; line.Count() < c.length; ++fill) {
                    line.Set(fill);
                }
                coverage.AddLine(line, static_cast<std::uint32_t>(lines.size()));
                lines.push_back(line);
            }
            int swaps = 0;
            for (int step = 0; step < 12; ++step) {
                if (step == countFrom) {
                    coverage.CountSoleCovers();
                }
                if (step == 10) {
                    // Counted afresh, as after a new start.
                    coverage.StopCountingSoleCovers();
                    coverage.CountSoleCovers();
                }
                if (step == 8) {
                    // The first line leaves and the last one takes its place.
                    const auto last = static_cast<std::uint32_t>(lines.size() - 1);
                    coverage.RemoveLine(lines[0], 0);
                    coverage.RenumberLine(lines[last], last, 0);
                    lines[0] = lines[last];
                    lines.pop_back();
                }
                if (step >= countFrom) {
                    ExpectQuickChangesExact(coverage, lines, c.numbers, c.drawn, c.points, step);
                }
                const std::size_t id = static_cast<std::size_t>(step) % lines.size();
                NumberMask& line = lines[id];
                const int out = line.Lowest();
                const int in = Without(NumberMask::FirstNumbers(c.numbers), line).Lowest() + step % 2;
                if (line.Has(in) || in > c.numbers) {
                    continue;
                }
                const std::int64_t predicted = coverage.SwapChange(line, out, in);
                const auto before = static_cast<std::int64_t>(coverage.UncoveredCount());
                coverage.SwapNumber(line, static_cast<std::uint32_t>(id), out, in);
                ++swaps;
                line.Clear(out);
                line.Set(in);
                EXPECT_EQ(static_cast<std::int64_t>(coverage.UncoveredCount()) - before, predicted) << step;
                EXPECT_EQ(
                    coverage.UncoveredCount(),
                    CountSetsByBruteForce(c.numbers, c.drawn,
                                          [&](NumberMask set) { return CoveringLines(lines, set, c.points) == 0; }))
                    << step;
            }
            EXPECT_GE(swaps, 6) << c.numbers;
        }
}

TEST(GuaranteeGeneratorTest, RefusesTablesItCannotHold) {
    EXPECT_EQ(MatrixGeneratorCoverage::SetCount(31, 10), 44'352'165U);
    EXPECT_THROW(MatrixGenerator(Settings(31, 10, 10, 6)).Run(), std::length_error);
}

}  // namespace
}  // namespace ordavex
