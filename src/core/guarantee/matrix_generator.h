#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/parallel_runs.h"

namespace ordavex {

struct GeneratorProgress {
    double seconds = 0;
    std::size_t lines = 0;      // lines of the matrix being improved
    std::size_t bestLines = 0;  // lines of the smallest complete matrix so far (0: none yet)
    std::size_t uncovered = 0;  // sets of drawn numbers it does not cover yet
    std::uint64_t moves = 0;    // moves of every search so far
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
    std::uint64_t seed = 1;
    // The search stops after this many moves without a smaller matrix...
    std::uint64_t patience = 2'000'000;
    // ... or at this time limit, whichever comes first. Runs that end by patience repeat exactly
    // for the same settings; a run cut by the time limit depends on the machine's speed.
    double seconds = 60;
    // ... or when each search has used this much processor time of its own thread, which does not
    // depend on what else the machine runs.
    double cpuSeconds = std::numeric_limits<double>::infinity();
    SearchMethod method = SearchMethod::kAlternating;
    // Above this work for one line of the greedy start (sets looked at), its candidate lines are
    // weighed on a random sample of the sets still uncovered instead of on every set they cover,
    // so that the largest tables get a start in minutes rather than in hours.
    std::uint64_t exactGreedyWork = 16'000'000;
    double progressEvery = 5;
    // Searches run side by side, each with its own seed (seed, seed + 1, ...); the smallest
    // complete matrix wins, the first search's on a tie. Only the first search reports progress.
    int threads = 1;
    std::function<void(const GeneratorProgress&)> progress;
    // Asked as often as the clock is read; true ends the search with the smallest complete
    // matrix met so far (none when the greedy start has not finished).
    std::function<bool()> stopRequested;
};

struct GeneratorResult {
    // Each line's numbers ascending, lines in ascending order; every number 1..N is used.
    std::vector<NumberMask> lines;
    std::uint64_t moves = 0;
    double seconds = 0;
    // When the search met the matrix it returns.
    double bestSeconds = 0;
    // Stopped by either time limit.
    bool stoppedByTime = false;
    // No matrix of these parameters has fewer lines (see MatrixLowerBound); the search stops
    // when it gets there.
    std::uint64_t lowerBound = 0;
    // Stopped on request; `lines` is empty when no complete matrix had been met yet.
    bool interrupted = false;
};

// Builds a small matrix of lines of k numbers over 1..N that guarantees t points whenever p of
// its numbers are drawn. The start is a known design when one fits, otherwise a greedy matrix
// that covers every set of p numbers; then a local search removes the least useful line and
// swaps single numbers of lines until the guarantee holds again, keeping the smallest complete
// matrix it meets. When it stalls it starts again from that matrix less one line, and now and
// then from a new greedy start, possibly with the other method (see SearchMethod).
class MatrixGenerator {
public:
    // Throws std::invalid_argument with a message for the user when the parameters are
    // impossible (k > N, p > N, t > min(k, p), ...), and std::length_error when C(N, p) is beyond
    // what the search can hold.
    // startThread starts the searches after the first; a test hands in one that fails.
    explicit MatrixGenerator(GeneratorSettings settings, ThreadStarter startThread = StartThread);

    GeneratorResult Run();

    // Why the parameters cannot make a matrix, or empty text when they can.
    static std::string ParameterError(int numbers, int length, int drawn, int points);

private:
    GeneratorSettings settings_;
    ThreadStarter startThread_;
};

}  // namespace ordavex
