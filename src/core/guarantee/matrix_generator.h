#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/construction_catalog.h"
#include "guarantee/parallel_runs.h"

namespace ordavex {

struct GeneratorProgress {
    double seconds = 0;
    std::size_t lines = 0;      // lines of the matrix being improved
    std::size_t bestLines = 0;  // lines of the smallest complete matrix so far (0: none yet)
    std::size_t uncovered = 0;  // sets of drawn numbers it does not cover yet
    std::uint64_t moves = 0;    // moves of every search so far
    // False while the search starts (a greedy matrix or a known design), true once it moves.
    bool searching = false;
    // With a budget and no complete matrix yet: the fewest sets that a matrix of the budget's
    // lines has left uncovered so far (0 before the first).
    std::uint64_t bestUncovered = 0;
};

// How the search moves between matrices of the same size. The weighted search weighs every swap
// of the lines nearest to an uncovered set and takes the best; annealing weighs one random swap
// per move and takes it by chance when it uncovers more than it covers, so it makes tens to
// hundreds of cheap moves where the weighted search makes one careful one. Alternating hands over
// from one to the other, annealing first, whenever one has found no smaller matrix for about the
// same amount of work.
enum class SearchMethod { kAlternating, kAnnealing, kWeighted };

struct GeneratorSettings {
    int numbers = 0;  // N
    int length = 0;   // k, numbers per line
    int drawn = 0;    // p
    int points = 0;   // t
    // F: the numbers 1..F stand in every line, and the guarantee is promised for the draws that
    // hold all of them (0 <= F < k, F <= p). Such a matrix is a matrix over the other N - F
    // numbers, k - F per line, for t - F points if p - F are drawn, with 1..F added to each line.
    int fixed = 0;
    // The most lines the matrix may have, 0 for no limit. A search within a budget that meets no
    // complete matrix of that many lines returns the one that leaves the fewest sets uncovered.
    std::size_t budget = 0;
    std::uint64_t seed = 1;
    // The search ends by itself at the lower bound. Otherwise it stops after this many moves
    // without a smaller matrix, when asked (none: never by patience; a search then starts again
    // and again until a time limit)...
    std::optional<std::uint64_t> patience;
    // ... at this time limit (infinity: none) ...
    double seconds = 60;
    // ... or when each search has used this much processor time of its own thread, which does not
    // depend on what else the machine runs; whichever comes first. Runs that end by patience
    // repeat exactly for the same settings; a run cut by a time limit depends on the machine's
    // speed.
    double cpuSeconds = std::numeric_limits<double>::infinity();
    SearchMethod method = SearchMethod::kAlternating;
    // Above this work for one line of the greedy start (sets looked at), its candidate lines are
    // weighed on a random sample of the sets still uncovered instead of on every set they cover,
    // so that the largest tables get a start in minutes rather than in hours.
    std::uint64_t exactGreedyWork = 16'000'000;
    // Progress is reported at least this often, the start included.
    double progressEvery = 5;
    // Searches run side by side, each with its own seed (seed, seed + 1, ...); the smallest
    // complete matrix wins, the first search's on a tie. Only the first search reports progress.
    int threads = 1;
    // Besides the greedy start, the smallest matrix made by construction (see ConstructionCatalog)
    // is a start when it has fewer lines; the searches that share the work restart from the
    // smallest matrix any of them met.
    bool constructions = true;
    // A covering first aims well below its greedy start (see SearchRounds). The quick matrices the
    // constructions make of smaller plays descend only, as the constructions were measured with them.
    bool aimsBelowStart = true;
    // The library's matrices of nearby plays that constructions may start from; none: no library.
    LibraryLookup library;
    std::function<void(const GeneratorProgress&)> progress;
    // Asked every few milliseconds, whatever the size of the table; true ends the search soon
    // after with the best matrix met so far (none when the start has not finished).
    std::function<bool()> stopRequested;
};

struct GeneratorResult {
    // Each line's numbers ascending, lines in ascending order; every number 1..N is used, and
    // 1..F stand in every line.
    std::vector<NumberMask> lines;
    // Of the `sets` sets of drawn numbers that hold the fixed numbers (C(N - F, p - F)), those
    // that no line meets in t numbers: 0 unless a budget left the matrix short.
    std::uint64_t uncovered = 0;
    std::uint64_t sets = 0;
    std::uint64_t moves = 0;
    double seconds = 0;
    // When the search met the matrix it returns.
    double bestSeconds = 0;
    // Stopped by either time limit.
    bool stoppedByTime = false;
    // No matrix of these parameters has fewer lines (see MatrixLowerBound; with fixed numbers,
    // the bound of the matrix over the other numbers); the search stops when it gets there.
    std::uint64_t lowerBound = 0;
    // Stopped on request; `lines` is empty when the start had not finished.
    bool interrupted = false;
};

// Builds a small matrix of lines of k numbers over 1..N that guarantees t points whenever p of
// its numbers are drawn: a start (a known design, a construction or a greedy matrix), then a
// local search that keeps the smallest complete matrix it meets. docs/generator.md describes
// the starts, the search and when it stops.
class MatrixGenerator {
public:
    // Throws std::invalid_argument with a message for the user when the settings are impossible
    // (see SettingsError), and std::length_error when C(N - F, p - F) is beyond what the search
    // can hold.
    // startThread starts the searches after the first; a test hands in one that fails.
    explicit MatrixGenerator(GeneratorSettings settings, ThreadStarter startThread = StartThread);

    GeneratorResult Run();

    // Why the parameters cannot make a matrix (k > N, p > N, t > min(k, p), F >= k, F > p, ...),
    // or empty text when they can.
    static std::string ParameterError(int numbers, int length, int drawn, int points, int fixed = 0);
    // The same, and why the budget cannot hold a matrix: fewer lines than it takes to use every
    // number.
    static std::string SettingsError(const GeneratorSettings& settings);

private:
    // Runs the searches on settings without fixed numbers.
    GeneratorResult RunSearches(const GeneratorSettings& settings);
    // The smallest matrix of the constructions, with lines of the play's shape; none when there is
    // none.
    static std::optional<std::vector<NumberMask>> ConstructedStart(const GeneratorSettings& settings);

    GeneratorSettings settings_;
    ThreadStarter startThread_;
};

}  // namespace ordavex
