#include "guarantee/play_search.h"

#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

#include "guarantee/guarantee_checker.h"
#include "guarantee/library_lookup.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/matrix_generator_output.h"

namespace ordavex {

namespace {

constexpr const char* kNoMemoryText =
    "Memoria insufficiente per questa ricerca: ridurre i numeri in gioco o gli estratti.";
constexpr const char* kNotProvedText =
    "La matrice trovata non ha superato la verifica della garanzia: non è stata salvata.";
// How often the generator tells its progress, in seconds.
constexpr double kProgressEvery = 0.2;

}  // namespace

std::string PlayMatrixName(const MatrixPlay& play, int pointsHeld, std::uint64_t budget, bool complete) {
    const bool shortOfTheAim = !complete && budget > 0;
    return ConventionalMatrixName(
        play.numbers, play.length, play.drawn, shortOfTheAim ? pointsHeld : play.points, play.fixed,
        shortOfTheAim ? std::optional<BudgetMarks>(BudgetMarks{static_cast<std::size_t>(budget), play.points})
                      : std::nullopt);
}

PlaySearchOutcome ProvePlayLines(const MatrixPlay& play, std::uint64_t budget, std::vector<NumberMask> lines) {
    PlaySearchOutcome outcome;
    const GuaranteeChecker checker(lines, play.numbers, play.fixed);
    if (!checker.LinesHoldTheFixedNumbers()) {
        outcome.failure = kNotProvedText;
        return outcome;
    }
    const CoverageCount coverage = checker.CountCoverage(play.points, play.drawn);
    outcome.complete = coverage.completed && coverage.uncovered == 0;
    outcome.uncovered = coverage.uncovered;
    outcome.sets = coverage.draws;
    outcome.pointsHeld =
        outcome.complete ? play.points : std::max(0, checker.GuaranteedPoints(play.drawn, play.points - 1));
    if (!coverage.completed || (!outcome.complete && budget == 0)) {
        outcome.failure = kNotProvedText;
        return outcome;
    }
    outcome.lines = std::move(lines);
    outcome.name = PlayMatrixName(play, outcome.pointsHeld, budget, outcome.complete);
    return outcome;
}

PlaySearch::PlaySearch(PlaySearchSettings settings) : settings_(std::move(settings)) {
    thread_ = std::thread([this] { Run(); });
}

PlaySearch::~PlaySearch() {
    RequestStop();
    if (thread_.joinable()) thread_.join();
}

PlaySearchProgress PlaySearch::Progress() const {
    const std::lock_guard lock(progressLock_);
    return progress_;
}

void PlaySearch::Run() {
    PlaySearchOutcome outcome;
    try {
        GeneratorSettings generator;
        generator.numbers = settings_.play.numbers;
        generator.length = settings_.play.length;
        generator.fixed = settings_.play.fixed;
        generator.drawn = settings_.play.drawn;
        generator.points = settings_.play.points;
        generator.budget = settings_.budget;
        generator.seed = settings_.seed;
        generator.seconds = settings_.seconds;
        generator.threads = std::max(1, settings_.threads);
        generator.progressEvery = kProgressEvery;
        generator.stopRequested = [this] { return stop_.load(); };
        if (!settings_.libraryFolders.empty()) {
            generator.library = LookupInFolders(settings_.libraryFolders);
        }
        generator.progress = [this](const GeneratorProgress& reached) {
            const std::lock_guard lock(progressLock_);
            progress_.seconds = reached.seconds;
            progress_.lines = reached.lines;
            progress_.bestLines = reached.bestLines;
            progress_.uncovered = reached.uncovered;
            progress_.movesPerSecond = static_cast<double>(reached.moves) / std::max(reached.seconds, 1e-3);
        };
        const GeneratorResult result = MatrixGenerator(generator).Run();
        if (!result.lines.empty()) outcome = ProvePlayLines(settings_.play, settings_.budget, result.lines);
        outcome.lowerBound = result.lowerBound;
        outcome.seconds = result.seconds;
        outcome.stoppedByTime = result.stoppedByTime;
        outcome.interrupted = result.interrupted;
    } catch (const std::bad_alloc&) {
        outcome.failure = kNoMemoryText;
    } catch (const std::length_error&) {
        outcome.failure = kNoMemoryText;
    } catch (const std::exception& error) {
        outcome.failure = error.what();
    }
    outcome_ = std::move(outcome);
    finished_ = true;
}

}  // namespace ordavex
