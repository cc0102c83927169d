#include "guarantee/search_control.h"

#include <limits>

#include "guarantee/binomial.h"
#include "guarantee/thread_cpu_clock.h"

namespace ordavex {

SearchControl::SearchControl(const GeneratorSettings& settings, SharedSearch& shared, bool reports,
                             const SearchMatrix& matrix)
    : settings_(settings),
      shared_(shared),
      reports_(reports),
      matrix_(matrix),
      start_(std::chrono::steady_clock::now()),
      shownUncovered_(Binomial(settings.numbers, settings.drawn)) {}

void SearchControl::Start() { cpuStart_ = ThreadCpuSeconds(); }

double SearchControl::Elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool SearchControl::Interrupted() {
    interrupted_ = interrupted_ || (settings_.stopRequested && settings_.stopRequested());
    return interrupted_;
}

bool SearchControl::PollStopRequest() {
    ReportProgress();
    return Interrupted();
}

bool SearchControl::ShouldStop() {
    workSinceQuestion_ = 0;
    ShareMoves();
    if (Interrupted()) {
        return true;
    }
    const double elapsed = ReportProgress();
    stoppedByTime_ = elapsed >= settings_.seconds || ThreadCpuSeconds() - cpuStart_ >= settings_.cpuSeconds;
    return stoppedByTime_ || shared_.stop;
}

double SearchControl::ReportProgress() {
    const double elapsed = Elapsed();
    if (reports_ && settings_.progress && elapsed >= nextProgress_) {
        // At a steady pace, so that the reports keep to it however late each one comes.
        nextProgress_ += settings_.progressEvery;
        if (nextProgress_ <= elapsed) {
            nextProgress_ = elapsed + settings_.progressEvery;
        }
        GeneratorProgress progress;
        progress.seconds = elapsed;
        progress.lines = shownLines_;
        progress.bestLines = shared_.bestLines.load();
        progress.uncovered = shownUncovered_;
        progress.moves = shared_.moves.load();
        progress.searching = searching_;
        const std::uint64_t fewest = shared_.bestUncovered.load();
        progress.bestUncovered = fewest == std::numeric_limits<std::uint64_t>::max() ? 0 : fewest;
        settings_.progress(progress);
    }
    return elapsed;
}

void SearchControl::NoteMatrix() {
    shownLines_ = matrix_.Size();
    shownUncovered_ = matrix_.UncoveredCount();
}

void SearchControl::ShareMoves() {
    shared_.moves += moves_ - sharedMoves_;
    sharedMoves_ = moves_;
}

}  // namespace ordavex
