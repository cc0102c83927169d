#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/matrix_play.h"

namespace ordavex {

struct PlaySearchSettings {
    MatrixPlay play;
    std::uint64_t budget = 0;  // a most number of lines, 0 for none
    double seconds = 60;       // infinity: until stopped
    int threads = 1;
    std::uint64_t seed = 1;
    // Folders of matrices whose files of nearby plays the search may start from.
    std::vector<std::string> libraryFolders;
};

// What a running search has reached, as a window shows it.
struct PlaySearchProgress {
    double seconds = 0;
    std::size_t lines = 0;      // of the matrix being improved
    std::size_t bestLines = 0;  // of the smallest complete matrix so far (0: none yet)
    std::uint64_t uncovered = 0;
    double movesPerSecond = 0;
};

// The proved result of a search.
struct PlaySearchOutcome {
    // Why the search could not run or its result could not be proved, in Italian; empty when it
    // did.
    std::string failure;
    // Proved lines over 1..N, every number used; empty when the search was stopped before its
    // first matrix.
    std::vector<NumberMask> lines;
    // Whether the lines keep the play's guarantee; a budget can leave it short.
    bool complete = false;
    // The points the lines guarantee in every draw of the play's condition.
    int pointsHeld = 0;
    // Draws of the condition in which no line reaches the play's points, and all of them.
    std::uint64_t uncovered = 0;
    std::uint64_t sets = 0;
    std::uint64_t lowerBound = 0;
    double seconds = 0;
    bool stoppedByTime = false;
    bool interrupted = false;
    // The file name that states what the lines guarantee (see PlayMatrixName).
    std::string name;
};

// "MATRIX10_08_V6_N18.TXT", with "_F2" for fixed numbers, and for lines that a budget left short
// of the aimed guarantee the points that fully hold, then "_B<budget>_T<aimed points>".
std::string PlayMatrixName(const MatrixPlay& play, int pointsHeld, std::uint64_t budget, bool complete);

// A search for a matrix of the play on threads of its own: the window that started it reads its
// progress and may stop it; once it has finished, its outcome is proved by the checker.
class PlaySearch {
public:
    explicit PlaySearch(PlaySearchSettings settings);
    // Stops the search and waits for it.
    ~PlaySearch();
    PlaySearch(const PlaySearch&) = delete;
    PlaySearch& operator=(const PlaySearch&) = delete;

    PlaySearchProgress Progress() const;
    // The search ends soon after with the smallest complete matrix met so far.
    void RequestStop() { stop_ = true; }
    bool Finished() const { return finished_; }
    // Once Finished.
    const PlaySearchOutcome& Outcome() const { return outcome_; }

private:
    void Run();

    const PlaySearchSettings settings_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    mutable std::mutex progressLock_;
    PlaySearchProgress progress_;
    PlaySearchOutcome outcome_;
    std::thread thread_;
};

// Proves lines for the play: whether they keep its guarantee, the points they fully guarantee
// under its condition (every line holding 1..F), and the draws they leave without its points.
PlaySearchOutcome ProvePlayLines(const MatrixPlay& play, std::uint64_t budget, std::vector<NumberMask> lines);

}  // namespace ordavex
