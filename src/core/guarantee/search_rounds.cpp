#include "guarantee/search_rounds.h"

#include <algorithm>
#include <cmath>

#include "guarantee/binomial.h"
#include "guarantee/known_designs.h"

namespace ordavex {

namespace {

// Moves without a smaller matrix after which the search starts again from the smallest one, less
// a line; every kFreshStartEvery-th time it starts from a new greedy matrix instead.
constexpr std::uint64_t kRestartMoves = 200'000;
constexpr std::uint64_t kFreshStartEvery = 4;
// The annealing's moves are tens to hundreds of times cheaper than the weighted search's, so it
// gets that many more of them before it starts again.
constexpr std::uint64_t kAnnealingRestartMoves = 20 * kRestartMoves;
// Sets looked at without a smaller matrix after which the other method takes over, when the two
// alternate: some seconds of work. Within its round a method starts again as it would alone. The
// annealing's rounds are longer: it is the method that reaches the smaller matrices on most cases,
// and its restarts, from new greedy matrices too, are what finds them.
constexpr std::uint64_t kRoundSetVisits = 300'000'000;
constexpr std::uint64_t kAnnealingRoundSetVisits = 4 * kRoundSetVisits;
// Every other round of the alternating search first looks for a smaller matrix of rotations
// (see RotationStart).
constexpr std::uint64_t kRotationRoundEvery = 2;
// A covering (t points whenever t are drawn) first aims at this share of its greedy start's lines,
// the greedy's first lines, held at that size until complete: the greedy's last lines, each
// covering few sets, hold the descent from the whole greedy matrix far above the sizes a search
// of fewer lines reaches (10-number lines, 4 if 4 of 22: 80 lines against 60). The aim is given
// up after some seconds of work without a matrix of its size closer to complete: an aim held while
// it comes closer is reached far more often (4 if 4 of 24 in lines of 10, seeds 2 to 4: 89 to 92
// lines against 119 or 120), and one that no longer does was too low.
constexpr double kAimedShare = 0.7;
constexpr std::uint64_t kAimSetVisits = 10 * kRoundSetVisits;
// Moves between two readings of the clock, unless their work asks for one sooner.
constexpr std::uint64_t kMovesBetweenClockReads = 64;

// A covering's annealing gives up the number whose leaving uncovers fewest sets: over 16 coverings
// of lines of 6 to 10 numbers, 2,096 lines in all against 2,170 with any number, and on the ones
// whose aim is missed with any number it is often reached (4 if 4 of 24 in lines of 10: 89 lines
// against 122). Elsewhere any number does as well, or better.
bool AnnealsByLeastLoss(const GeneratorSettings& settings) {
    return settings.aimsBelowStart && settings.drawn == settings.points;
}

}  // namespace

SearchRounds::SearchRounds(const GeneratorSettings& settings, std::uint64_t seed, SharedSearch& shared, bool reports,
                           const std::vector<NumberMask>* constructed)
    : settings_(settings),
      shared_(shared),
      constructed_(constructed),
      random_(seed),
      matrix_(settings.numbers, settings.length, settings.drawn, settings.points),
      control_(settings, shared, reports, matrix_),
      greedy_(settings, matrix_, random_, control_),
      weighted_(matrix_, random_),
      annealing_(matrix_, random_, AnnealsByLeastLoss(settings)),
      rotations_(settings, seed) {}

GeneratorResult SearchRounds::Run() {
    control_.Start();
    GeneratorResult result;
    result.lowerBound = shared_.lowerBound;
    result.sets = Binomial(settings_.numbers, settings_.drawn);
    matrix_.SetStop([this] { return control_.PollStopRequest(); });
    if (!matrix_.Prepare() || !Start()) {
        result.interrupted = true;
        result.seconds = control_.Elapsed();
        return result;
    }
    KeepIfBetter();
    AimBelowTheStart();
    control_.NoteMatrix();
    // From here on a time limit ends the search too, in the middle of a change if need be.
    matrix_.SetStop([this] { return control_.ShouldStop(); });
    control_.StartSearching();
    Improve();
    control_.ShareMoves();
    Finish(result);
    result.interrupted = control_.WasInterrupted();
    result.moves = control_.Moves();
    result.seconds = control_.Elapsed();
    result.bestSeconds = bestSeconds_;
    result.stoppedByTime = control_.StoppedByTime();
    return result;
}

bool SearchRounds::Start() {
    if (const auto design = KnownDesignStart(settings_.numbers, settings_.length, settings_.drawn, settings_.points)) {
        TakeStart(*design);
    } else {
        greedy_.Build(settings_.budget);
        greedyStart_ = true;
        // The greedy matrix is built first all the same, so that a search whose construction does
        // not lead moves exactly as it would without one.
        const bool greedyShort = settings_.budget > 0 && matrix_.UncoveredCount() > 0;
        if (constructed_ != nullptr && !control_.WasInterrupted() && !matrix_.Broken() &&
            (constructed_->size() < matrix_.Size() || (greedyShort && constructed_->size() <= settings_.budget))) {
            const std::vector<NumberMask> greedy = matrix_.Lines();
            ForgetMatrix();
            TakeStart(*constructed_);
            greedyStart_ = false;
            // A construction from a library file that does not keep its promise is no start.
            if (matrix_.UncoveredCount() > 0 && settings_.budget == 0 && !matrix_.Broken()) {
                ForgetMatrix();
                matrix_.Take(greedy);
                greedyStart_ = true;
            }
        }
    }
    return !control_.WasInterrupted() && !matrix_.Broken();
}

void SearchRounds::TakeStart(const std::vector<NumberMask>& lines) {
    matrix_.Take(lines);
    if (settings_.budget > 0 && matrix_.Size() > settings_.budget) {
        matrix_.CountSoleCovers();
        while (matrix_.Size() > settings_.budget && !matrix_.Broken()) {
            matrix_.RemoveLeastUsefulLine();
        }
    }
}

bool SearchRounds::KeepIfBetter() {
    if (matrix_.UncoveredCount() == 0) {
        if (!best_.empty() && matrix_.Size() >= best_.size()) {
            return false;
        }
        KeepAsBest();
        return true;
    }
    if (!Aiming() || matrix_.Size() != AimedSize() ||
        (!bestPartial_.empty() && matrix_.UncoveredCount() >= bestPartialUncovered_)) {
        return false;
    }
    bestPartial_ = matrix_.Lines();
    bestPartialUncovered_ = matrix_.UncoveredCount();
    aimWork_ = 0;
    if (settings_.budget > 0) {
        bestSeconds_ = control_.Elapsed();
        shared_.OfferPartial(bestPartialUncovered_);
    }
    return true;
}

std::size_t SearchRounds::AimedSize() const { return settings_.budget > 0 ? settings_.budget : aim_; }

bool SearchRounds::Aiming() const { return AimedSize() > 0 && (best_.empty() || best_.size() > AimedSize()); }

void SearchRounds::AimBelowTheStart() {
    if (!settings_.aimsBelowStart || settings_.budget > 0 || settings_.drawn != settings_.points || !greedyStart_ ||
        best_.empty() || matrix_.UncoveredCount() > 0) {
        return;
    }
    const auto aimed = static_cast<std::size_t>(std::ceil(kAimedShare * static_cast<double>(best_.size())));
    if (aimed >= best_.size() || aimed < std::max<std::size_t>(1, shared_.lowerBound)) {
        return;
    }
    std::vector<NumberMask> lines = best_;
    lines.resize(aimed);
    ForgetMatrix();
    matrix_.Take(lines);
    aim_ = aimed;
    KeepIfBetter();
}

// An aim below the start that comes no closer within its work, or within the patience, is given up
// for the descent from its best lines completed, or from the smallest complete matrix when that is
// smaller.
void SearchRounds::GiveUpAimWhenSpent(std::uint64_t work) {
    if (aim_ == 0) {
        return;
    }
    aimWork_ += work;
    if (!Aiming()) {
        // Reached: the descent goes on from the matrix as it stands.
        aim_ = 0;
    } else if (aimWork_ >= kAimSetVisits) {
        GiveUpAim();
    }
}

void SearchRounds::GiveUpAim() {
    const std::size_t aimed = aim_;
    aim_ = 0;
    if (matrix_.UncoveredCount() > 0 && matrix_.Size() <= aimed) {
        if (CompleteBestPartial()) {
            matrix_.CountSoleCovers();
        } else {
            StartAgain(false);
        }
    }
}

// A missed aim's best lines leave few sets uncovered as a rule: completed by greedy lines they
// are a complete matrix far smaller than the greedy start (4 if 4 of 22 in lines of 9, its aim of 98
// lines missed by 2 sets: 99 lines against 140), which the descent goes on from. Returns whether it
// is smaller than the smallest kept.
bool SearchRounds::CompleteBestPartial() {
    if (bestPartial_.empty()) {
        return false;
    }
    ForgetMatrix();
    matrix_.Take(bestPartial_);
    greedy_.Build();
    return matrix_.UncoveredCount() == 0 && !matrix_.Broken() && KeepIfBetter();
}

void SearchRounds::KeepAsBest() {
    best_ = matrix_.Lines();
    bestSeconds_ = control_.Elapsed();
    shared_.OfferComplete(best_);
}

void SearchRounds::Improve() {
    std::uint64_t sinceBest = 0;
    std::uint64_t sinceRestart = 0;
    annealingRound_ = AnnealsInRound(0);
    matrix_.CountSoleCovers();
    // A broken table no longer matches the lines: the search was stopped in the middle of a change.
    while (matrix_.Size() > 0 && !matrix_.Broken()) {
        control_.NoteMatrix();
        if (KeepIfBetter()) {
            sinceBest = 0;
            sinceRestart = 0;
            roundWork_ = 0;
        }
        if (matrix_.UncoveredCount() == 0) {
            if (matrix_.Size() == 1 || best_.size() <= shared_.lowerBound) {
                return;
            }
            matrix_.RemoveLeastUsefulLine();
            continue;
        }
        if (PatienceSpent(sinceBest) && aim_ > 0) {
            GiveUpAim();
            sinceBest = 0;
            sinceRestart = 0;
            continue;
        }
        if (PatienceSpent(sinceBest) ||
            ((control_.Moves() % kMovesBetweenClockReads == 0 || control_.PollDue()) && control_.ShouldStop())) {
            return;
        }
        if (sinceRestart >= (annealingRound_ ? kAnnealingRestartMoves : kRestartMoves) || RoundSpent()) {
            sinceRestart = 0;
            Restart();
            continue;
        }
        control_.CountMove();
        ++sinceBest;
        ++sinceRestart;
        const NumberMask set = matrix_.UncoveredAt(random_.Below(matrix_.UncoveredCount()));
        const std::uint64_t work = annealingRound_ ? annealing_.MoveTowards(set) : weighted_.MoveTowards(set);
        roundWork_ += work;
        control_.Spend(work);
        GiveUpAimWhenSpent(work);
    }
}

bool SearchRounds::PatienceSpent(std::uint64_t movesSinceBest) const {
    return settings_.patience && movesSinceBest >= *settings_.patience;
}

// When the two methods alternate, a round that finds no smaller matrix for a while hands over to
// the other method; the while is counted in sets looked at, so that a round's share of the
// processor time does not depend on what one move of each method costs.
bool SearchRounds::RoundSpent() const {
    return settings_.method == SearchMethod::kAlternating &&
           roundWork_ >= (annealingRound_ ? kAnnealingRoundSetVisits : kRoundSetVisits);
}

// Starts again within the round or, once the round is spent, with the other method, which every
// other time first looks for a matrix of rotations.
void SearchRounds::Restart() {
    ++restarts_;
    const bool roundEnds = RoundSpent();
    if (roundEnds) {
        roundWork_ = 0;
        ++rounds_;
    }
    // An aim below the start is the greedy's business: rotations that small are rarely there to find.
    if (!roundEnds || aim_ > 0 || !TriesRotationsInRound(rounds_) || !StartFromRotations()) {
        StartAgain(restarts_ % kFreshStartEvery == 0);
    }
    annealingRound_ = AnnealsInRound(rounds_);
}

bool SearchRounds::AnnealsInRound(std::uint64_t round) const {
    switch (settings_.method) {
        case SearchMethod::kAnnealing:
            return true;
        case SearchMethod::kWeighted:
            return false;
        case SearchMethod::kAlternating:
            break;
    }
    // The annealing begins: on the benchmark's cases it reached as small or smaller matrices in
    // the same time on all but two, and far smaller on the largest, where a weighted move is slow.
    return round % 2 == 0;
}

bool SearchRounds::TriesRotationsInRound(std::uint64_t round) const {
    return settings_.method == SearchMethod::kAlternating && round % kRotationRoundEvery == 1;
}

// When a matrix of rotations smaller than the smallest met (or within the budget, before a
// complete one) covers every set, the search goes on from it.
bool SearchRounds::StartFromRotations() {
    const std::size_t smallest = Aiming() ? AimedSize() + 1 : best_.size();
    const auto found = rotations_.Find(smallest, shared_.lowerBound, [this] { return control_.ShouldStop(); });
    if (!found) {
        return false;
    }
    ForgetMatrix();
    matrix_.Take(*found);
    matrix_.CountSoleCovers();
    return true;
}

// From a new greedy matrix, or from the smallest complete one less a random line (within a
// budget, before a complete one: from the best of the budget's lines); either way with the
// weights of the sets forgotten.
void SearchRounds::StartAgain(bool fresh) {
    ForgetMatrix();
    if (fresh) {
        greedy_.Build(Aiming() ? AimedSize() : settings_.budget);
    } else if (Aiming() && !bestPartial_.empty()) {
        matrix_.Take(bestPartial_);
    } else if (!best_.empty() || shared_.SmallestMatrixLines() > 0) {
        // Searches side by side restart from the smallest matrix any of them has met.
        if (const std::size_t shared = shared_.SmallestMatrixLines();
            shared > 0 && (best_.empty() || shared < best_.size())) {
            best_ = shared_.SmallestMatrix();
        }
        std::vector<NumberMask> lines = best_;
        lines[random_.Below(lines.size())] = lines.back();
        lines.pop_back();
        matrix_.Take(lines);
    } else {
        matrix_.Take(bestPartial_);
    }
    matrix_.CountSoleCovers();
}

// A search stopped in the middle of a change leaves the table broken: it is made again.
void SearchRounds::ReadyMatrix() {
    if (matrix_.Broken()) {
        matrix_.Reset();
    } else {
        matrix_.Clear();
    }
}

// Takes the lines out of the table and forgets what the moves so far have learnt, ready for
// another matrix.
void SearchRounds::ForgetMatrix() {
    matrix_.Clear();
    weighted_.Forget();
    annealing_.Forget();
}

// Placing a missing number needs the table; a search stopped in the middle of a change makes it
// ready again first, which on the largest tables takes a while, but the matrices met there use
// every number.
void SearchRounds::Finish(GeneratorResult& result) {
    if (aim_ > 0) {
        // The time ran out while aiming.
        matrix_.SetStop({});
        ReadyMatrix();
        aim_ = 0;
        CompleteBestPartial();
    }
    const bool complete = !best_.empty();
    const std::vector<NumberMask>& kept = complete ? best_ : bestPartial_;
    if (kept.empty()) {
        return;
    }
    if (SearchMatrix::UsesEveryNumber(kept, settings_.numbers)) {
        result.lines = kept;
        result.uncovered = complete ? 0 : bestPartialUncovered_;
    } else {
        matrix_.SetStop({});
        ReadyMatrix();
        matrix_.Take(kept);
        matrix_.UseEveryNumber(random_);
        result.lines = matrix_.Lines();
        result.uncovered = matrix_.UncoveredCount();
    }
    std::sort(result.lines.begin(), result.lines.end());
}

}  // namespace ordavex
