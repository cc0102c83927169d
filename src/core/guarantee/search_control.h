#pragma once

#include <chrono>
#include <cstdint>

#include "guarantee/matrix_generator.h"
#include "guarantee/search_matrix.h"
#include "guarantee/shared_search.h"

namespace ordavex {

// When one search ends and what it tells meanwhile: its clocks and time limits, the stop asked
// by its caller or by the searches beside it, its moves, and the progress it reports.
class SearchControl {
public:
    // Only the search that `reports` calls the progress function.
    SearchControl(const GeneratorSettings& settings, SharedSearch& shared, bool reports, const SearchMatrix& matrix);

    // On the thread that runs the search, which is not the one that built it: its processor clock
    // starts here.
    void Start();
    double Elapsed() const;

    // Whether a stop was requested, now or before.
    bool Interrupted();
    // Reports progress when it is due and says whether a stop was requested: the question the
    // table asks while the search starts, which only a stop request ends, as the start must
    // cover every set (or fill the budget) however long it takes.
    bool PollStopRequest();
    // From now on the moves have begun (for the progress).
    void StartSearching() { searching_ = true; }
    bool WasInterrupted() const { return interrupted_; }
    // Whether the search must end now: on request, at a time limit or when the searches beside
    // it end. Reports progress when it is due and shares the moves.
    bool ShouldStop();
    bool StoppedByTime() const { return stoppedByTime_; }
    // Reports progress when it is due; returns the time elapsed.
    double ReportProgress();
    // The progress shows the matrix as it stood when last noted whole: after a move, or a line of
    // the start. A report made in the middle of a change, or while a restart puts the next matrix
    // in place (a while, on the largest tables), would show half-made figures, such as no lines
    // and nearly every set uncovered. Before the first note: no lines, every set uncovered.
    void NoteMatrix();
    // NoteMatrix while the start is being built, before the moves begin.
    void NoteStartingMatrix() {
        if (!searching_) NoteMatrix();
    }

    // Counts the sets a move looked at: once they are many, the clock is due to be read even
    // before the next round number of moves.
    void Spend(std::uint64_t work) { workSinceQuestion_ += work; }
    bool PollDue() const { return workSinceQuestion_ >= kWorkBetweenQuestions; }

    void CountMove() { ++moves_; }
    std::uint64_t Moves() const { return moves_; }
    void ShareMoves();

private:
    // Sets looked at, outside the table's own walks, between two questions: a few milliseconds.
    static constexpr std::uint64_t kWorkBetweenQuestions = 1'000'000;

    const GeneratorSettings& settings_;
    SharedSearch& shared_;
    const bool reports_;
    const SearchMatrix& matrix_;
    const std::chrono::steady_clock::time_point start_;
    double cpuStart_ = 0;
    double nextProgress_ = 0;
    std::uint64_t moves_ = 0;
    std::uint64_t sharedMoves_ = 0;
    std::uint64_t workSinceQuestion_ = 0;
    std::size_t shownLines_ = 0;
    std::uint64_t shownUncovered_ = 0;
    bool stoppedByTime_ = false;
    bool interrupted_ = false;
    bool searching_ = false;
};

}  // namespace ordavex
