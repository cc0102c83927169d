#include "guarantee/matrix_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "guarantee/annealing_mover.h"
#include "guarantee/binomial.h"
#include "guarantee/guarantee_checker.h"
#include "guarantee/matrix_generator_coverage.h"
#include "guarantee/matrix_lower_bound.h"
#include "guarantee/search_matrix.h"
#include "guarantee/seeded_random.h"

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

// Lines of 10, 4 if 4 of 21: descending from the whole greedy matrix (78 lines) stalls above 60
// lines; held first at 55 of its lines, the search completes them and goes on below.
TEST(GuaranteeGeneratorTest, ACoveringFirstAimsWellBelowItsGreedyStart) {
    GeneratorSettings settings = Settings(21, 10, 4, 4);
    settings.constructions = false;
    settings.threads = 1;
    settings.seed = 1;
    settings.patience = 2'000'000;
    settings.seconds = 120;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    ASSERT_FALSE(result.stoppedByTime);
    EXPECT_LE(result.lines.size(), 55U);
    EXPECT_EQ(GuaranteeChecker(result.lines, 21).CheckClaim(4, 4).status, ClaimStatus::kHolds);
}

// Lines of 6, 3 if 3 of 12: the aim (14 of the greedy's 20 lines) is below the least size, 15.
// The search gives it up, within a short patience too, for the descent from the aim's best lines
// completed, not from the greedy matrix.
TEST(GuaranteeGeneratorTest, AnAimTooLowIsGivenUpForTheDescent) {
    const struct {
        std::uint64_t patience;
        std::size_t most;
    } cases[] = {{2'000, 16}, {300'000, 16}};
    for (const auto& c : cases) {
        GeneratorSettings settings = Settings(12, 6, 3, 3);
        settings.constructions = false;
        settings.threads = 1;
        settings.patience = c.patience;
        const GeneratorResult result = MatrixGenerator(settings).Run();
        ASSERT_FALSE(result.stoppedByTime) << c.patience;
        EXPECT_LE(result.lines.size(), c.most) << c.patience;
        EXPECT_EQ(GuaranteeChecker(result.lines, 12).CheckClaim(3, 3).status, ClaimStatus::kHolds) << c.patience;
    }
}

// Lines of 6, 3 if 3 of 12 again: when the time ends while the search still holds the aim, the
// aim's best lines, completed, are returned rather than the greedy matrix of 20 lines.
TEST(GuaranteeGeneratorTest, TheTimeEndingDuringAnAimGivesItsBestLinesCompleted) {
    GeneratorSettings settings = Settings(12, 6, 3, 3);
    settings.constructions = false;
    settings.threads = 1;
    settings.patience = std::nullopt;
    settings.seconds = 1e6;
    settings.cpuSeconds = 0.2;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    EXPECT_TRUE(result.stoppedByTime);
    EXPECT_EQ(result.uncovered, 0U);
    EXPECT_LE(result.lines.size(), 17U);
    EXPECT_EQ(GuaranteeChecker(result.lines, 12).CheckClaim(3, 3).status, ClaimStatus::kHolds);
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
    settings.patience = std::nullopt;
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
    // Fixed numbers: fewer than the numbers of a line, and all of them among the drawn.
    const struct {
        int numbers, length, drawn, points, fixed;
        std::size_t budget;
        const char* mentions;
    } settingCases[] = {
        {20, 10, 8, 6, 10, 0, "F = 10"},
        {20, 10, 8, 6, -1, 0, "F = -1"},
        {20, 10, 3, 3, 4, 0, "F = 4"},
        {20, 10, 8, 6, 0, 1, "budget = 1: at least 2 lines"},
        // 18 other numbers, 8 per line.
        {20, 10, 8, 6, 2, 2, "budget = 2: at least 3 lines"},
    };
    for (const auto& c : settingCases) {
        GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
        settings.fixed = c.fixed;
        settings.budget = c.budget;
        const std::string error = MatrixGenerator::SettingsError(settings);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
        EXPECT_THROW(MatrixGenerator{settings}, std::invalid_argument) << c.mentions;
    }
    GeneratorSettings fits = Settings(20, 10, 8, 6);
    fits.fixed = 2;
    fits.budget = 3;
    EXPECT_EQ(MatrixGenerator::SettingsError(fits), "");
    EXPECT_EQ(MatrixGenerator::ParameterError(20, 10, 8, 6, 8), "");
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
                std::vector<NumberMask> swapped = lines;
                swapped[id].Clear(out);
                swapped[id].Set(in);
                const std::size_t lost = CountSetsByBruteForce(numbers, drawn, [&](NumberMask set) {
                    return CoveringLines(lines, set, points) > 0 && CoveringLines(swapped, set, points) == 0;
                });
                ASSERT_EQ(coverage.SwapLoss(static_cast<std::uint32_t>(id), out, in), lost)
                    << "step " << step << ", line " << id << ", " << out << " for " << in;
            }
        }
    }
}

struct SwapCase {
    int numbers, length, drawn, points, lines;
};
constexpr SwapCase kSwapCases[] = {{9, 4, 3, 2, 4},  {10, 5, 4, 3, 4}, {12, 6, 5, 3, 4},
                                   {12, 5, 6, 4, 4}, {11, 5, 5, 3, 5}, {13, 6, 7, 4, 5}};

// A small matrix whose coverage follows swap after swap, each change checked against brute force.
class SwapWalk {
public:
    // With `countSoleCovers`, the coverage counts the sets each line alone covers from its first line.
    SwapWalk(const SwapCase& c, bool countSoleCovers) : c_(c), coverage_(c.numbers, c.drawn, c.points) {
        if (countSoleCovers) coverage_.CountSoleCovers();
        for (int first = 1; first <= c.lines; ++first) {
            NumberMask line;
            for (int i = 0; i < c.length; ++i) line.Set((first * 5 + i * 3) % c.numbers + 1);
            for (int fill = 1; line.Count() < c.length; ++fill) line.Set(fill);
            coverage_.AddLine(line, static_cast<std::uint32_t>(lines_.size()));
            lines_.push_back(line);
        }
    }

    // Swaps, in line `step` (counted round the lines), its lowest number for the lowest number it
    // lacks, or the one after on odd steps, when that is a number it lacks; checks the change the
    // coverage predicted and the uncovered sets against brute force. With `expectQuick`, every
    // quick weighing of every swap is checked first.
    void Step(int step, bool expectQuick) {
        if (expectQuick) ExpectQuickChangesExact(coverage_, lines_, c_.numbers, c_.drawn, c_.points, step);
        const std::size_t id = static_cast<std::size_t>(step) % lines_.size();
        NumberMask& line = lines_[id];
        const int out = line.Lowest();
        const int in = Without(NumberMask::FirstNumbers(c_.numbers), line).Lowest() + step % 2;
        if (line.Has(in) || in > c_.numbers) return;
        const std::int64_t predicted = coverage_.SwapChange(line, out, in);
        const auto before = static_cast<std::int64_t>(coverage_.UncoveredCount());
        coverage_.SwapNumber(line, static_cast<std::uint32_t>(id), out, in);
        ++swaps_;
        line.Clear(out);
        line.Set(in);
        EXPECT_EQ(static_cast<std::int64_t>(coverage_.UncoveredCount()) - before, predicted) << step;
        EXPECT_EQ(coverage_.UncoveredCount(),
                  CountSetsByBruteForce(c_.numbers, c_.drawn,
                                        [&](NumberMask set) { return CoveringLines(lines_, set, c_.points) == 0; }))
            << step;
    }
    void Steps(int from, int to, bool expectQuick) {
        for (int step = from; step < to; ++step) Step(step, expectQuick);
    }

    void CountSoleCovers() { coverage_.CountSoleCovers(); }
    // As after a new start of the search.
    void CountSoleCoversAfresh() {
        coverage_.StopCountingSoleCovers();
        coverage_.CountSoleCovers();
    }
    // The first line leaves and the last one takes its place and its number, as when the search
    // drops a line.
    void DropFirstLine() {
        const auto last = static_cast<std::uint32_t>(lines_.size() - 1);
        coverage_.RemoveLine(lines_[0], 0);
        coverage_.RenumberLine(lines_[last], last, 0);
        lines_[0] = lines_[last];
        lines_.pop_back();
    }
    int Swaps() const { return swaps_; }

private:
    SwapCase c_;
    MatrixGeneratorCoverage coverage_;
    std::vector<NumberMask> lines_;
    int swaps_ = 0;
};

// The phases of a walk of twelve steps.
constexpr int kStepsBeforeLateCount = 6;
constexpr int kStepsBeforeDrop = 8;
constexpr int kStepsBeforeRecount = 10;
constexpr int kSteps = 12;

TEST(GuaranteeGeneratorTest, SwapChangesAreExactWithSoleCoversCountedFromTheFirstLine) {
    for (const SwapCase& c : kSwapCases) {
        SwapWalk walk(c, true);
        walk.Steps(0, kStepsBeforeDrop, true);
        // At least every other step swaps, or the walk would check little.
        EXPECT_GE(walk.Swaps(), kStepsBeforeDrop / 2) << c.numbers;
    }
}

TEST(GuaranteeGeneratorTest, SwapChangesAreExactWhenSoleCoversAreCountedOnlyAfterSomeSwaps) {
    for (const SwapCase& c : kSwapCases) {
        SwapWalk walk(c, false);
        walk.Steps(0, kStepsBeforeLateCount, false);
        walk.CountSoleCovers();
        walk.Steps(kStepsBeforeLateCount, kStepsBeforeDrop, true);
        EXPECT_GE(walk.Swaps(), kStepsBeforeDrop / 2) << c.numbers;
    }
}

TEST(GuaranteeGeneratorTest, SwapChangesStayExactAfterALineIsDroppedAndAfterAFreshCount) {
    for (const bool countFromTheFirstLine : {true, false}) {
        for (const SwapCase& c : kSwapCases) {
            SwapWalk walk(c, countFromTheFirstLine);
            walk.Steps(0, kStepsBeforeDrop, countFromTheFirstLine);
            if (!countFromTheFirstLine) walk.CountSoleCovers();
            walk.DropFirstLine();
            walk.Steps(kStepsBeforeDrop, kStepsBeforeRecount, true);
            walk.CountSoleCoversAfresh();
            walk.Steps(kStepsBeforeRecount, kSteps, true);
            EXPECT_GE(walk.Swaps(), kSteps / 2) << c.numbers;
        }
    }
}

TEST(GuaranteeGeneratorTest, RefusesTablesItCannotHold) {
    EXPECT_EQ(Binomial(31, 10), 44'352'165U);
    EXPECT_THROW(MatrixGenerator(Settings(31, 10, 10, 6)).Run(), std::length_error);
}

// The sets of p numbers of 1..N that hold the fixed numbers 1..F and meet no line in t numbers,
// counted one by one.
std::uint64_t UncoveredByBruteForce(const std::vector<NumberMask>& lines, int numbers, int drawn, int points,
                                    int fixed) {
    const NumberMask fixedNumbers = NumberMask::FirstNumbers(fixed);
    return CountSetsByBruteForce(numbers, drawn, [&](NumberMask set) {
        return (set & fixedNumbers) == fixedNumbers && CoveringLines(lines, set, points) == 0;
    });
}

// What every result must be: lines of k numbers in order, 1..F in each, every number 1..N used,
// and the uncovered sets it reports those that really are, out of all the sets that hold 1..F.
void ExpectSoundResult(const GeneratorResult& result, const GeneratorSettings& settings, const std::string& name) {
    ASSERT_FALSE(result.lines.empty()) << name;
    const NumberMask fixed = NumberMask::FirstNumbers(settings.fixed);
    NumberMask used;
    for (const NumberMask& line : result.lines) {
        EXPECT_EQ(line.Count(), settings.length) << name;
        EXPECT_EQ(line & fixed, fixed) << name << ": the fixed numbers stand in every line";
        used |= line;
    }
    EXPECT_EQ(used, NumberMask::FirstNumbers(settings.numbers)) << name << ": every number 1..N is used";
    EXPECT_TRUE(std::is_sorted(result.lines.begin(), result.lines.end())) << name;
    EXPECT_EQ(result.uncovered,
              UncoveredByBruteForce(result.lines, settings.numbers, settings.drawn, settings.points, settings.fixed))
        << name;
    EXPECT_EQ(result.sets, Binomial(settings.numbers - settings.fixed, settings.drawn - settings.fixed)) << name;
}

std::string NameOf(const GeneratorSettings& s) {
    return std::to_string(s.numbers) + " " + std::to_string(s.length) + " " + std::to_string(s.drawn) + " " +
           std::to_string(s.points) + " F=" + std::to_string(s.fixed) + " budget " + std::to_string(s.budget);
}

TEST(GuaranteeGeneratorTest, FixedNumbersStandInEveryLineAndTheGuaranteeHoldsOnTheDrawsThatHoldThem) {
    const struct {
        int numbers, length, drawn, points, fixed, threads;
    } cases[] = {
        {12, 6, 6, 4, 2, 1}, {13, 6, 5, 4, 1, 1}, {14, 7, 6, 5, 3, 2}, {11, 5, 6, 4, 1, 1}, {16, 8, 8, 6, 4, 1},
    };
    for (const auto& c : cases) {
        GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
        settings.fixed = c.fixed;
        settings.threads = c.threads;
        const GeneratorResult result = MatrixGenerator(settings).Run();
        const std::string name = NameOf(settings);
        ExpectSoundResult(result, settings, name);
        EXPECT_EQ(result.uncovered, 0U) << name;
        EXPECT_EQ(result.lowerBound,
                  MatrixLowerBound(c.numbers - c.fixed, c.length - c.fixed, c.drawn - c.fixed, c.points - c.fixed))
            << name;
        EXPECT_EQ(GuaranteeChecker(result.lines, c.numbers, c.fixed).CheckClaim(c.points, c.drawn).status,
                  ClaimStatus::kHolds)
            << name;
    }
}

TEST(GuaranteeGeneratorTest, AMatrixWithFixedNumbersIsTheMatrixOfTheOtherNumbersWithThemAdded) {
    GeneratorSettings settings = Settings(14, 7, 6, 5);
    settings.fixed = 2;
    const GeneratorResult withFixed = MatrixGenerator(settings).Run();
    const GeneratorResult reduced = MatrixGenerator(Settings(12, 5, 4, 3)).Run();
    ASSERT_EQ(withFixed.lines.size(), reduced.lines.size());
    for (std::size_t i = 0; i < reduced.lines.size(); ++i) {
        NumberMask expected = NumberMask::Of(1) | NumberMask::Of(2);
        for (const int number : reduced.lines[i]) {
            expected.Set(number + 2);
        }
        EXPECT_EQ(withFixed.lines[i], expected) << i;
    }
    EXPECT_EQ(withFixed.moves, reduced.moves);
}

TEST(GuaranteeGeneratorTest, WhenTheFixedNumbersGiveThePointsAnyLinesThatUseEveryNumberDo) {
    const struct {
        int numbers, length, drawn, points, fixed;
    } cases[] = {{12, 6, 6, 3, 3}, {12, 6, 3, 3, 3}, {10, 5, 4, 2, 3}, {9, 4, 4, 1, 1}};
    for (const auto& c : cases) {
        GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
        settings.fixed = c.fixed;
        const GeneratorResult result = MatrixGenerator(settings).Run();
        const std::string name = NameOf(settings);
        ExpectSoundResult(result, settings, name);
        // Each line brings k - F numbers of the N - F others.
        const auto others = static_cast<std::size_t>(c.numbers - c.fixed);
        const auto perLine = static_cast<std::size_t>(c.length - c.fixed);
        const std::size_t fewest = (others + perLine - 1) / perLine;
        EXPECT_EQ(result.lines.size(), fewest) << name;
        EXPECT_EQ(result.lowerBound, fewest) << name;
        EXPECT_EQ(result.uncovered, 0U) << name;
    }
}

TEST(GuaranteeGeneratorTest, WithinABudgetItReturnsAtMostThatManyLinesAndCountsWhatTheyMiss) {
    // A weighted move weighs thousands of swaps, and with few lines every move looks at the many
    // sets they leave uncovered: the patience keeps each case short.
    const struct {
        int numbers, length, drawn, points, fixed;
        std::size_t budget;
        SearchMethod method;
        std::uint64_t patience;
    } cases[] = {
        {20, 10, 8, 6, 0, 8, SearchMethod::kAlternating, 2'000},
        {15, 6, 6, 4, 0, 12, SearchMethod::kWeighted, 300},
        {15, 6, 6, 4, 0, 12, SearchMethod::kAnnealing, 20'000},
        {14, 7, 6, 5, 2, 5, SearchMethod::kAnnealing, 20'000},
        // The least a budget may be: one line for each ten numbers.
        {20, 10, 8, 6, 0, 2, SearchMethod::kAnnealing, 200},
        // S(3,6,22) has 77 lines; within 60 its least useful lines go.
        {22, 6, 3, 3, 0, 60, SearchMethod::kAnnealing, 20'000},
        // Enough for a complete matrix, which then grows smaller as without a budget.
        {12, 6, 5, 4, 0, 30, SearchMethod::kAlternating, 20'000},
    };
    for (const auto& c : cases) {
        GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
        settings.fixed = c.fixed;
        settings.budget = c.budget;
        settings.method = c.method;
        settings.patience = c.patience;
        const GeneratorResult result = MatrixGenerator(settings).Run();
        const std::string name = NameOf(settings);
        ExpectSoundResult(result, settings, name);
        EXPECT_LE(result.lines.size(), c.budget) << name;
        if (result.uncovered > 0) {
            EXPECT_EQ(result.lines.size(), c.budget) << name << ": short of the aim, it uses the whole budget";
        }
    }
    GeneratorSettings enough = Settings(12, 6, 5, 4);
    enough.budget = 30;
    EXPECT_EQ(MatrixGenerator(enough).Run().lines.size(), MatrixGenerator(Settings(12, 6, 5, 4)).Run().lines.size());
}

// The fewest sets left uncovered by a swap of a number used twice for `number`.
std::uint64_t LeastUncoveredBySwap(const std::vector<NumberMask>& lines, int number, int numbers, int drawn,
                                   int points) {
    std::uint64_t least = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const int out : lines[i]) {
            if (std::count_if(lines.begin(), lines.end(), [&](NumberMask line) { return line.Has(out); }) < 2) continue;
            std::vector<NumberMask> swapped = lines;
            swapped[i].Clear(out);
            swapped[i].Set(number);
            least = std::min(least, UncoveredByBruteForce(swapped, numbers, drawn, points, 0));
        }
    }
    return least;
}

TEST(GuaranteeGeneratorTest, AMissingNumberTakesTheSwapThatUncoversLeastOrALineOfItsOwn) {
    constexpr int kNumbers = 9;
    SeededRandom random(3);
    const struct { int length, drawn, points; } shapes[] = {{4, 4, 2}, {4, 3, 3}, {5, 6, 4}};
    for (const auto& shape : shapes)
        for (int trial = 0; trial < 60; ++trial) {
            // Random lines over 1..8, all of them used: 9 is missing.
            std::vector<NumberMask> lines;
            const std::size_t count = 3 + random.Below(3);
            while (lines.size() < count) {
                lines.push_back(random.Completed({}, NumberMask::FirstNumbers(kNumbers - 1), shape.length));
            }
            if (!SearchMatrix::UsesEveryNumber(lines, kNumbers - 1)) continue;
            SearchMatrix matrix(kNumbers, shape.length, shape.drawn, shape.points);
            ASSERT_TRUE(matrix.Prepare());
            matrix.Take(lines);
            matrix.UseEveryNumber(random);
            const std::string name = "k=" + std::to_string(shape.length) + ", trial " + std::to_string(trial);
            ASSERT_TRUE(SearchMatrix::UsesEveryNumber(matrix.Lines(), kNumbers)) << name;
            ASSERT_EQ(matrix.Size(), count) << name;
            const std::uint64_t uncovered =
                UncoveredByBruteForce(matrix.Lines(), kNumbers, shape.drawn, shape.points, 0);
            ASSERT_EQ(matrix.UncoveredCount(), uncovered) << name;
            ASSERT_EQ(uncovered, LeastUncoveredBySwap(lines, kNumbers, kNumbers, shape.drawn, shape.points)) << name;
            ASSERT_LE(uncovered, UncoveredByBruteForce(lines, kNumbers, shape.drawn, shape.points, 0)) << name;
        }
    // No number is used twice: 9 gets a line of its own.
    SearchMatrix matrix(kNumbers, 4, 3, 2);
    ASSERT_TRUE(matrix.Prepare());
    matrix.Take({NumberMask::FirstNumbers(4), Without(NumberMask::FirstNumbers(8), NumberMask::FirstNumbers(4))});
    matrix.UseEveryNumber(random);
    EXPECT_EQ(matrix.Size(), 3U);
    EXPECT_TRUE(matrix.Lines().back().Has(kNumbers));
    EXPECT_EQ(matrix.UncoveredCount(), UncoveredByBruteForce(matrix.Lines(), kNumbers, 3, 2, 0));
}

// Each swap the least-loss annealing takes gives up, of the line's numbers outside the set it
// moves towards, one whose leaving uncovers fewest sets, counted by brute force.
TEST(GuaranteeGeneratorTest, TheLeastLossAnnealingGivesUpTheNumberThatUncoversFewest) {
    constexpr int kNumbers = 11;
    SeededRandom random(5);
    SearchMatrix matrix(kNumbers, 5, 3, 3);
    ASSERT_TRUE(matrix.Prepare());
    std::vector<NumberMask> lines;
    while (lines.size() < 8) lines.push_back(random.Completed({}, NumberMask::FirstNumbers(kNumbers), 5));
    matrix.Take(lines);
    matrix.CountSoleCovers();
    AnnealingMover mover(matrix, random, true);
    int swaps = 0;
    for (int move = 0; move < 200 && matrix.UncoveredCount() > 0; ++move) {
        const NumberMask set = matrix.UncoveredAt(random.Below(matrix.UncoveredCount()));
        const std::vector<NumberMask> before = matrix.Lines();
        mover.MoveTowards(set);
        const auto changed = std::mismatch(before.begin(), before.end(), matrix.Lines().begin());
        if (changed.first == before.end()) continue;
        ++swaps;
        const NumberMask line = *changed.first;
        const int out = Without(line, *changed.second).Lowest();
        const int in = Without(*changed.second, line).Lowest();
        const auto lossOf = [&](int number) {
            std::vector<NumberMask> swapped = before;
            NumberMask& moved = swapped[static_cast<std::size_t>(changed.first - before.begin())];
            moved.Clear(number);
            moved.Set(in);
            return CountSetsByBruteForce(kNumbers, 3, [&](NumberMask drawn) {
                return CoveringLines(before, drawn, 3) > 0 && CoveringLines(swapped, drawn, 3) == 0;
            });
        };
        for (const int other : Without(line, set)) {
            EXPECT_LE(lossOf(out), lossOf(other)) << "move " << move << ": " << out << " given up, not " << other;
        }
    }
    EXPECT_GE(swaps, 20);
}

TEST(GuaranteeGeneratorTest, WithATimeLimitAndNoPatienceItSearchesUntilTheLimit) {
    // 19 lines is the smallest matrix known, far above the lower bound of 9.
    GeneratorSettings settings = Settings(15, 6, 6, 4);
    settings.patience = std::nullopt;
    settings.seconds = 0.3;
    const GeneratorResult result = MatrixGenerator(settings).Run();
    EXPECT_TRUE(result.stoppedByTime);
    EXPECT_FALSE(result.interrupted);
    ExpectSoundResult(result, settings, "15 6 6 4 until the limit");
    EXPECT_EQ(result.uncovered, 0U);
    // With patience the same search ends long before.
    settings.patience = 200;
    settings.seconds = 1e6;
    EXPECT_FALSE(MatrixGenerator(settings).Run().stoppedByTime);
}

TEST(GuaranteeGeneratorTest, AStopAtAnyMomentEndsWithASoundMatrixOrNone) {
    const struct {
        int numbers, length, drawn, points;
        std::size_t budget;
        SearchMethod method;
    } cases[] = {
        {15, 6, 6, 4, 0, SearchMethod::kWeighted},
        {15, 6, 6, 4, 0, SearchMethod::kAnnealing},
        {20, 10, 8, 6, 8, SearchMethod::kAlternating},
        {22, 6, 4, 3, 0, SearchMethod::kAlternating},
    };
    for (const auto& c : cases)
        for (const int stopAt : {1, 2, 3, 10, 100, 500}) {
            GeneratorSettings settings = Settings(c.numbers, c.length, c.drawn, c.points);
            settings.budget = c.budget;
            settings.method = c.method;
            settings.patience = std::nullopt;
            int questions = 0;
            settings.stopRequested = [&] { return ++questions >= stopAt; };
            const GeneratorResult result = MatrixGenerator(settings).Run();
            const std::string name = NameOf(settings) + ", stopped at question " + std::to_string(stopAt);
            EXPECT_TRUE(result.interrupted) << name;
            EXPECT_FALSE(result.stoppedByTime) << name;
            if (!result.lines.empty()) {
                ExpectSoundResult(result, settings, name);
                EXPECT_TRUE(c.budget > 0 || result.uncovered == 0) << name;
            }
        }
}

TEST(GuaranteeGeneratorTest, ReportsProgressFromTheStartOn) {
    GeneratorSettings settings = Settings(20, 10, 8, 6);
    settings.budget = 8;
    settings.patience = 3'000;
    settings.progressEvery = 0;
    std::vector<GeneratorProgress> reports;
    settings.progress = [&](const GeneratorProgress& progress) { reports.push_back(progress); };
    MatrixGenerator(settings).Run();
    ASSERT_FALSE(reports.empty());
    EXPECT_FALSE(reports.front().searching);
    const auto firstSearching = std::find_if(reports.begin(), reports.end(), [](const auto& r) { return r.searching; });
    ASSERT_NE(firstSearching, reports.end());
    EXPECT_TRUE(std::all_of(firstSearching, reports.end(), [](const auto& r) { return r.searching; }));
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end(),
                               [](const auto& a, const auto& b) { return a.seconds < b.seconds; }));
    // Within the budget no complete matrix of 8 lines exists: the best so far is what it reports.
    for (auto report = firstSearching; report != reports.end(); ++report) {
        EXPECT_EQ(report->bestLines, 0U);
        EXPECT_GT(report->bestUncovered, 0U);
        EXPECT_LE(report->lines, 8U);
        EXPECT_GE(report->lines, 1U) << "a restart shows the matrix of the last move until the next one stands";
    }
}

TEST(GuaranteeGeneratorTest, AStopInTheMiddleOfAChangeBreaksTheTableUntilItIsReset) {
    // Each line covers far more sets than are looked at between two readings of the clock.
    MatrixGeneratorCoverage coverage(20, 8, 3);
    const NumberMask line = NumberMask::FirstNumbers(10);
    bool stop = true;
    coverage.SetStop([&stop] { return stop; });
    coverage.AddLine(line, 0);
    ASSERT_TRUE(coverage.Broken());
    const std::size_t uncovered = coverage.UncoveredCount();
    EXPECT_GT(uncovered, 0U);
    coverage.AddLine(Without(NumberMask::FirstNumbers(20), line), 1);
    EXPECT_EQ(coverage.UncoveredCount(), uncovered) << "a broken table changes no more";
    stop = false;
    coverage.Reset();
    EXPECT_FALSE(coverage.Broken());
    EXPECT_EQ(coverage.UncoveredCount(), Binomial(20, 8));
    coverage.AddLine(line, 0);
    EXPECT_EQ(coverage.UncoveredCount(), UncoveredByBruteForce({line}, 20, 8, 3, 0));
    // A table stopped while it is filled is broken too.
    MatrixGeneratorCoverage unfilled(20, 8, 3, MatrixGeneratorCoverage::Unfilled{});
    unfilled.SetStop([] { return true; });
    EXPECT_FALSE(unfilled.Fill());
    EXPECT_TRUE(unfilled.Broken());
}

}  // namespace
}  // namespace ordavex
