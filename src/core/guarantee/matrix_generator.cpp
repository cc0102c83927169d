#include "guarantee/matrix_generator.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "guarantee/binomial.h"
#include "guarantee/matrix_lower_bound.h"
#include "guarantee/search_rounds.h"
#include "guarantee/shared_search.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// Moves without a smaller matrix after which a quick matrix for the constructions is taken.
constexpr std::uint64_t kQuickMatrixPatience = 2'000;
// The constructions get this much time before the searches: on plays where no design fits, the
// products of smaller matrices stay far above what the search reaches, and a start should not
// cost the search its time.
constexpr double kConstructionSeconds = 1.0;
constexpr double kConstructionShare = 0.05;

// The matrix over the numbers besides the fixed ones: N - F numbers, k - F per line, t - F
// points if p - F are drawn.
GeneratorSettings WithoutFixedNumbers(const GeneratorSettings& settings) {
    GeneratorSettings reduced = settings;
    reduced.numbers -= settings.fixed;
    reduced.length -= settings.fixed;
    reduced.drawn -= settings.fixed;
    reduced.points -= settings.fixed;
    reduced.fixed = 0;
    return reduced;
}

// Each line with 1..F added and its own numbers moved up by F.
std::vector<NumberMask> WithFixedNumbers(const std::vector<NumberMask>& lines, int fixed) {
    std::vector<NumberMask> moved;
    moved.reserve(lines.size());
    for (const NumberMask line : lines) {
        NumberMask withFixed = NumberMask::FirstNumbers(fixed);
        for (const int number : line) {
            withFixed.Set(number + fixed);
        }
        moved.push_back(withFixed);
    }
    return moved;
}

std::size_t LinesToUseEveryNumber(int numbers, int length) {
    return static_cast<std::size_t>((numbers + length - 1) / length);
}

// The fewest lines that use every number: consecutive numbers, the last line topped up with the
// lowest ones.
std::vector<NumberMask> LinesUsingEveryNumber(int numbers, int length) {
    std::vector<NumberMask> lines;
    for (int first = 1; first <= numbers; first += length) {
        NumberMask line;
        for (int number = first; number < first + length && number <= numbers; ++number) {
            line.Set(number);
        }
        for (int number = 1; line.Count() < length; ++number) {
            line.Set(number);
        }
        lines.push_back(line);
    }
    return lines;
}

// Without points to reach (the fixed numbers alone give them), any lines that use every number
// keep the guarantee: no table, no search.
GeneratorResult TrivialResult(const GeneratorSettings& settings) {
    GeneratorResult result;
    result.lines = LinesUsingEveryNumber(settings.numbers, settings.length);
    std::sort(result.lines.begin(), result.lines.end());
    result.sets = Binomial(settings.numbers, settings.drawn);
    result.lowerBound = result.lines.size();
    return result;
}

// The first of the results with the most to offer: a complete matrix before any other, the
// smallest of them; else the one of the budget's lines that leaves fewest sets uncovered. A
// search stopped on request before its start finished has nothing.
bool Offers(const GeneratorResult& a, const GeneratorResult& b) {
    const auto rank = [](const GeneratorResult& r) { return std::tuple(r.lines.empty(), r.uncovered, r.lines.size()); };
    return rank(a) < rank(b);
}

}  // namespace

MatrixGenerator::MatrixGenerator(GeneratorSettings settings, ThreadStarter startThread)
    : settings_(std::move(settings)), startThread_(std::move(startThread)) {
    const std::string error = SettingsError(settings_);
    if (!error.empty()) {
        throw std::invalid_argument(error);
    }
}

GeneratorResult MatrixGenerator::Run() {
    const GeneratorSettings reduced = WithoutFixedNumbers(settings_);
    GeneratorResult result = reduced.points <= 0 ? TrivialResult(reduced) : RunSearches(reduced);
    result.lines = WithFixedNumbers(result.lines, settings_.fixed);
    return result;
}

namespace {

// A quick matrix of a small play for the constructions: the greedy start and a short search.
std::optional<std::vector<NumberMask>> QuickMatrix(const CoverPlay& play, const std::function<bool()>& stop) {
    GeneratorSettings quick;
    quick.numbers = play.numbers;
    quick.length = play.length;
    quick.drawn = play.drawn;
    quick.points = play.points;
    quick.patience = kQuickMatrixPatience;
    quick.seconds = std::numeric_limits<double>::infinity();
    quick.constructions = false;
    quick.aimsBelowStart = false;
    quick.stopRequested = stop;
    if (!MatrixGenerator::ParameterError(play.numbers, play.length, play.drawn, play.points).empty()) {
        return std::nullopt;
    }
    GeneratorResult result = MatrixGenerator(quick).Run();
    if (result.lines.empty() || result.uncovered > 0) {
        return std::nullopt;
    }
    return std::move(result.lines);
}

}  // namespace

std::optional<std::vector<NumberMask>> MatrixGenerator::ConstructedStart(const GeneratorSettings& settings) {
    if (!settings.constructions) {
        return std::nullopt;
    }
    const std::function<bool()> stop = settings.stopRequested;
    ConstructionCatalog catalog(
        settings.library, [&stop](const CoverPlay& play) { return QuickMatrix(play, stop); }, stop,
        std::chrono::steady_clock::now() +
            std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                std::chrono::duration<double>(std::min({kConstructionSeconds, kConstructionShare * settings.seconds,
                                                        kConstructionShare * settings.cpuSeconds}))));
    auto lines = catalog.Smallest({settings.numbers, settings.length, settings.drawn, settings.points});
    if (!lines) {
        return std::nullopt;
    }
    // Lines of another shape (from a library file) are no start; whether the lines cover, the
    // search's own table tells when it takes them.
    if (std::any_of(lines->begin(), lines->end(), [&settings](NumberMask line) {
            return line.Count() != settings.length ||
                   !Without(line, NumberMask::FirstNumbers(settings.numbers)).Empty();
        })) {
        return std::nullopt;
    }
    return lines;
}

GeneratorResult MatrixGenerator::RunSearches(const GeneratorSettings& settings) {
    SharedSearch shared;
    shared.lowerBound = MatrixLowerBound(settings.numbers, settings.length, settings.drawn, settings.points);
    const std::optional<std::vector<NumberMask>> constructed = ConstructedStart(settings);
    const std::size_t count = static_cast<std::size_t>(std::max(1, settings.threads));
    // Built here, so that a table too large to hold is reported before any search starts.
    std::vector<std::unique_ptr<SearchRounds>> searches;
    for (std::size_t i = 0; i < count; ++i) {
        searches.push_back(std::make_unique<SearchRounds>(settings, settings.seed + i, shared, i == 0,
                                                          constructed ? &*constructed : nullptr));
    }
    std::vector<GeneratorResult> results(count);
    std::vector<std::exception_ptr> failures(count);
    const auto runSearch = [&](std::size_t i) {
        try {
            results[i] = searches[i]->Run();
        } catch (...) {
            failures[i] = std::current_exception();
            shared.stop = true;
        }
    };
    RunInParallel(
        count, runSearch, [&shared] { shared.stop = true; }, startThread_);
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    const bool interrupted =
        std::any_of(results.begin(), results.end(), [](const GeneratorResult& r) { return r.interrupted; });
    GeneratorResult result = std::move(*std::min_element(results.begin(), results.end(), Offers));
    result.moves = shared.moves.load();
    result.interrupted = interrupted;
    return result;
}

std::string MatrixGenerator::ParameterError(int numbers, int length, int drawn, int points, int fixed) {
    const auto text = [](int value) { return std::to_string(value); };
    if (numbers < 1 || numbers > kHighestNumber) {
        return "N = " + text(numbers) + ": a matrix uses 1 to 90 numbers";
    }
    if (length < 1 || length > numbers) {
        return "k = " + text(length) + ": a line holds 1 to N = " + text(numbers) + " numbers";
    }
    if (drawn < 1 || drawn > numbers) {
        return "p = " + text(drawn) + ": the drawn numbers must be 1 to N = " + text(numbers);
    }
    if (drawn > kNumbersPerDraw) {
        return "p = " + text(drawn) + ": at most 20 numbers are drawn";
    }
    if (points < 1 || points > std::min(length, drawn)) {
        return "t = " + text(points) + ": the points must be 1 to min(k, p) = " + text(std::min(length, drawn));
    }
    if (fixed < 0 || fixed >= length) {
        return "F = " + text(fixed) + ": the fixed numbers must be 0 to k - 1 = " + text(length - 1) +
               ", so that each line has a number of its own";
    }
    if (fixed > drawn) {
        return "F = " + text(fixed) + ": the fixed numbers must be among the p = " + text(drawn) + " drawn";
    }
    return {};
}

std::string MatrixGenerator::SettingsError(const GeneratorSettings& settings) {
    const std::string error =
        ParameterError(settings.numbers, settings.length, settings.drawn, settings.points, settings.fixed);
    if (!error.empty() || settings.budget == 0) {
        return error;
    }
    const std::size_t least =
        LinesToUseEveryNumber(settings.numbers - settings.fixed, settings.length - settings.fixed);
    if (settings.budget < least) {
        return "budget = " + std::to_string(settings.budget) + ": at least " + std::to_string(least) +
               " lines are needed to use every number 1.." + std::to_string(settings.numbers) +
               (settings.fixed > 0 ? " with " + std::to_string(settings.fixed) + " fixed in each line" : "");
    }
    return {};
}

}  // namespace ordavex
