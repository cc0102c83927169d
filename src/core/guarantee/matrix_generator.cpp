#include "guarantee/matrix_generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <utility>

#include "guarantee/known_designs.h"
#include "guarantee/matrix_generator_coverage.h"
#include "guarantee/matrix_lower_bound.h"
#include "guarantee/nearest_line.h"
#include "guarantee/rotation_search.h"
#include "guarantee/seeded_random.h"
#include "guarantee/thread_cpu_clock.h"
#include "lottery/draw_size.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// Candidate lines weighed for each line of the greedy start.
constexpr int kGreedyCandidates = 16;
// How many of them are built number by number, when that is affordable (kGreedyLineWork sets
// looked at for one line).
constexpr int kGreedyBuiltCandidates = 2;
constexpr std::uint64_t kGreedyLineWork = 4'000'000;
// Uncovered sets drawn for each line when the greedy start weighs its candidates on a sample.
constexpr std::size_t kGreedySample = 100'000;
// Sets a move may look at when it weighs the number swaps for one uncovered set: enough to weigh
// every swap of every nearest line in all but the largest cases.
constexpr std::uint64_t kMoveWork = 1'000'000;
// Moves without a smaller matrix after which the search starts again from the smallest one,
// less a line; every kFreshStartEvery-th time it starts from a new greedy matrix instead.
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
// The annealing's temperature, in uncovered sets: a swap that uncovers d more sets than it covers is taken
// with chance exp(-d / temperature). It cools by a constant factor every kCoolingWork sets looked
// at, weighing and making swaps, so that a cycle takes about as long whether a move costs little
// (a few uncovered sets to look at) or much (large swaps taken often); it is heated again once it
// is too cold to climb out of anything.
constexpr double kHotTemperature = 1.0;
constexpr double kColdTemperature = 0.02;
constexpr double kCooling = 0.99;
constexpr std::uint64_t kCoolingWork = 2'000'000;
// Below this limit of the change, a swap that uncovers no more sets than it covers is still taken.
constexpr double kLeastLimit = 0.5;
// Every other round of the alternating search first looks for a smaller matrix of rotations
// (see RotationSearch), for at most kRotationWork sets looked at: a few seconds.
constexpr std::uint64_t kRotationRoundEvery = 2;
constexpr std::uint64_t kRotationWork = 4'000'000'000;
// Matrices of rotations are sought down to (kRotationSizeShare - 1) / kRotationSizeShare of the
// size wanted.
constexpr std::size_t kRotationSizeShare = 10;
constexpr std::uint64_t kRotationSeedOffset = 0x5DEECE66DULL;
// Moves between two readings of the clock.
constexpr std::uint64_t kMovesBetweenClockReads = 64;

bool LinesInOrder(NumberMask a, NumberMask b) {
    while (!a.Empty() && !b.Empty()) {
        if (a.Lowest() != b.Lowest()) {
            return a.Lowest() < b.Lowest();
        }
        a.RemoveLowest();
        b.RemoveLowest();
    }
    return a.Empty() && !b.Empty();
}

// What the searches running side by side share: the size of the smallest complete matrix any of
// them has met, and their moves.
struct SharedSearch {
    std::uint64_t lowerBound = 0;
    std::atomic<std::size_t> bestLines{0};
    std::atomic<std::uint64_t> moves{0};
    // Set when one reached the lower bound (or failed): the others stop too.
    std::atomic<bool> stop{false};
};

class Search {
public:
    Search(const GeneratorSettings& settings, std::uint64_t seed, SharedSearch& shared, bool reports)
        : settings_(settings),
          shared_(shared),
          reports_(reports),
          coverage_(settings.numbers, settings.drawn, settings.points),
          random_(seed),
          rotationRandom_(seed + kRotationSeedOffset),
          all_(NumberMask::FirstNumbers(settings.numbers)),
          start_(std::chrono::steady_clock::now()),
          swapWork_(std::max<std::uint64_t>(1, coverage_.SwapWork(settings.length))) {}

    GeneratorResult Run() {
        // Read on the thread that runs the search, which is not the one that built it.
        cpuStart_ = ThreadCpuSeconds();
        GeneratorResult result;
        if (const auto design =
                KnownDesignStart(settings_.numbers, settings_.length, settings_.drawn, settings_.points)) {
            lines_ = *design;
            AddAllLines();
        } else {
            BuildGreedily();
        }
        if (interrupted_) {
            result.interrupted = true;
            result.seconds = Elapsed();
            result.lowerBound = shared_.lowerBound;
            return result;
        }
        KeepAsBest();
        Improve();
        shared_.moves += moves_ - sharedMoves_;
        UseEveryNumber();
        result.interrupted = interrupted_;
        result.lines = best_;
        std::sort(result.lines.begin(), result.lines.end(), LinesInOrder);
        result.moves = moves_;
        result.seconds = Elapsed();
        result.bestSeconds = bestSeconds_;
        result.stoppedByTime = stoppedByTime_;
        result.lowerBound = shared_.lowerBound;
        return result;
    }

private:
    double Elapsed() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

    NumberMask RandomLineThrough(NumberMask set) {
        NumberMask line;
        for (int i = 0; i < settings_.points; ++i) {
            line.Set(random_.NumberOf(Without(set, line)));
        }
        return random_.Completed(line, all_, settings_.length);
    }

    // A line through t numbers of the set, completed one number at a time with the number that
    // makes it cover most sets that no line covers yet.
    NumberMask GreedyLineThrough(NumberMask set) {
        NumberMask line;
        for (int i = 0; i < settings_.points; ++i) {
            line.Set(random_.NumberOf(Without(set, line)));
        }
        while (line.Count() < settings_.length) {
            int chosen = 0;
            std::uint64_t mostCovered = 0;
            std::uint64_t ties = 0;
            for (NumberMask rest = Without(all_, line); !rest.Empty(); rest.RemoveLowest()) {
                const std::uint64_t covered = NewlyCovered(line | NumberMask::Of(rest.Lowest()));
                if (chosen == 0 || covered > mostCovered) {
                    mostCovered = covered;
                    ties = 1;
                } else if (covered < mostCovered || random_.Below(++ties) != 0) {
                    continue;
                }
                chosen = rest.Lowest();
            }
            line.Set(chosen);
        }
        return line;
    }

    // Sets the line would cover that no line covers yet: all of them, or only those of the sample
    // when the greedy start weighs on one.
    std::uint64_t NewlyCovered(NumberMask line) const {
        if (sample_.empty()) {
            return coverage_.NewlyCovered(line);
        }
        return static_cast<std::uint64_t>(std::count_if(sample_.begin(), sample_.end(), [&](NumberMask set) {
            return CommonCount(set, line) >= settings_.points;
        }));
    }

    void DrawSample() {
        sample_.clear();
        const std::size_t uncovered = coverage_.UncoveredCount();
        if (uncovered <= kGreedySample) {
            for (std::size_t i = 0; i < uncovered; ++i) {
                sample_.push_back(coverage_.UncoveredAt(i));
            }
            return;
        }
        for (std::size_t i = 0; i < kGreedySample; ++i) {
            sample_.push_back(coverage_.UncoveredAt(random_.Below(uncovered)));
        }
    }

    // Covers one uncovered set at a time with the candidate line that covers most new sets. The
    // line built number by number is the best candidate but costs N times more to build, so it
    // is weighed only while that stays within the work allowed for one line, or when candidates
    // are weighed on a sample, which makes it cheap.
    void BuildGreedily() {
        const std::uint64_t coveredByLine = coverage_.CoveredCount(settings_.length);
        const bool sampling = coveredByLine * kGreedyCandidates > settings_.exactGreedyWork;
        const std::uint64_t lineWork =
            coveredByLine * static_cast<std::uint64_t>(settings_.numbers * (settings_.length - settings_.points));
        const bool buildNumberByNumber = sampling || lineWork <= kGreedyLineWork;
        while (coverage_.UncoveredCount() > 0) {
            if (Interrupted()) break;
            const NumberMask set = coverage_.UncoveredAt(random_.Below(coverage_.UncoveredCount()));
            if (sampling) {
                DrawSample();
            }
            NumberMask chosen;
            std::uint64_t mostCovered = 0;
            for (int candidate = 0; candidate < kGreedyCandidates; ++candidate) {
                const NumberMask line = buildNumberByNumber && candidate < kGreedyBuiltCandidates
                                            ? GreedyLineThrough(set)
                                            : RandomLineThrough(set);
                const std::uint64_t covered = NewlyCovered(line);
                if (covered > mostCovered || candidate == 0) {
                    mostCovered = covered;
                    chosen = line;
                }
            }
            coverage_.AddLine(chosen, static_cast<std::uint32_t>(lines_.size()));
            lines_.push_back(chosen);
            // The start must cover every set, so it goes on beyond the time limit.
            ReportProgress();
        }
        sample_.clear();
    }

    void KeepAsBest() {
        if (!best_.empty() && lines_.size() >= best_.size()) {
            return;
        }
        best_ = lines_;
        bestSeconds_ = Elapsed();
        std::size_t shared = shared_.bestLines.load();
        while ((shared == 0 || best_.size() < shared) &&
               !shared_.bestLines.compare_exchange_weak(shared, best_.size())) {
        }
        if (best_.size() <= shared_.lowerBound) {
            shared_.stop = true;
        }
    }

    void Improve() {
        std::uint64_t sinceBest = 0;
        std::uint64_t sinceRestart = 0;
        annealing_ = AnnealsInRound(0);
        coverage_.CountSoleCovers();
        while (!lines_.empty()) {
            if (coverage_.UncoveredCount() == 0) {
                if (lines_.size() < best_.size()) {
                    KeepAsBest();
                    sinceBest = 0;
                    sinceRestart = 0;
                    roundWork_ = 0;
                }
                if (lines_.size() == 1 || best_.size() <= shared_.lowerBound) {
                    return;
                }
                RemoveLeastUsefulLine();
                continue;
            }
            if (sinceBest >= settings_.patience || (moves_ % kMovesBetweenClockReads == 0 && ShouldStop())) {
                return;
            }
            if (sinceRestart >= (annealing_ ? kAnnealingRestartMoves : kRestartMoves) || RoundSpent()) {
                sinceRestart = 0;
                Restart();
                continue;
            }
            ++moves_;
            ++sinceBest;
            ++sinceRestart;
            const NumberMask set = coverage_.UncoveredAt(random_.Below(coverage_.UncoveredCount()));
            if (annealing_) {
                AnnealTowards(set);
            } else {
                MoveTowards(set);
            }
        }
    }

    // When the two methods alternate, a round that finds no smaller matrix for a while hands over
    // to the other method; the while is counted in sets looked at, so that a round's share of the
    // processor time does not depend on what one move of each method costs.
    bool RoundSpent() const {
        return settings_.method == SearchMethod::kAlternating &&
               roundWork_ >= (annealing_ ? kAnnealingRoundSetVisits : kRoundSetVisits);
    }

    // Starts again within the round or, once the round is spent, with the other method, which
    // every other time first looks for a matrix of rotations.
    void Restart() {
        ++restarts_;
        const bool roundEnds = RoundSpent();
        if (roundEnds) {
            roundWork_ = 0;
            ++rounds_;
        }
        if (!roundEnds || !TriesRotationsInRound(rounds_) || !StartFromRotations()) {
            StartAgain(restarts_ % kFreshStartEvery == 0);
        }
        annealing_ = AnnealsInRound(rounds_);
    }

    bool AnnealsInRound(std::uint64_t round) const {
        switch (settings_.method) {
            case SearchMethod::kAnnealing:
                return true;
            case SearchMethod::kWeighted:
                return false;
            case SearchMethod::kAlternating:
                break;
        }
        // The annealing begins: on the benchmark's cases it reached as small or smaller matrices
        // in the same time on all but two, and far smaller on the largest, where a weighted move is
        // slow.
        return round % 2 == 0;
    }

    bool TriesRotationsInRound(std::uint64_t round) const {
        return settings_.method == SearchMethod::kAlternating && round % kRotationRoundEvery == 1;
    }

    // Looks for a matrix of base lines and their rotations smaller than the smallest met so far,
    // trying the sizes and cycle lengths in turn; when one covers every set, the search goes on
    // from it.
    bool StartFromRotations() {
        const std::vector<std::pair<std::size_t, int>> sizes = RotationSizes();
        if (sizes.empty()) {
            return false;
        }
        const auto [lines, cycleLength] = sizes[rotationTurn_++ % sizes.size()];
        RotationSearch rotations(settings_.numbers, settings_.length, settings_.drawn, settings_.points, cycleLength);
        const RotationSearch::Result found =
            rotations.Search(lines / static_cast<std::size_t>(cycleLength), kRotationWork, rotationRandom_,
                             [this] { return ShouldStop(); });
        if (!found.complete) {
            return false;
        }
        ForgetMatrix();
        lines_ = found.lines;
        AddAllLines();
        coverage_.CountSoleCovers();
        return true;
    }

    // The sizes a matrix of rotations could have below the smallest matrix met, with the cycle
    // length of each: the most lines first and, of as many, the longest cycles (fewest base
    // lines). Sizes far below are left out, as a search aiming there rarely gets there.
    std::vector<std::pair<std::size_t, int>> RotationSizes() const {
        std::vector<std::pair<std::size_t, int>> sizes;
        const std::uint64_t sets = MatrixGeneratorCoverage::SetCount(settings_.numbers, settings_.drawn);
        if (sets > RotationSearch::kMostSets) {
            return sizes;
        }
        const std::size_t target = best_.size() - 1;
        for (const int cycleLength : RotationSearch::CycleLengths(settings_.numbers)) {
            const std::size_t baseLines = target / static_cast<std::size_t>(cycleLength);
            const std::size_t lines = baseLines * static_cast<std::size_t>(cycleLength);
            if (lines > 0 && lines >= shared_.lowerBound &&
                lines * kRotationSizeShare >= target * (kRotationSizeShare - 1) &&
                baseLines * sets <= RotationSearch::kMostMeets) {
                sizes.emplace_back(lines, cycleLength);
            }
        }
        std::sort(sizes.begin(), sizes.end(), std::greater<>());
        return sizes;
    }

    // From a new greedy matrix, or from the smallest complete one less a random line; either way
    // with the weights of the sets forgotten.
    void StartAgain(bool fresh) {
        ForgetMatrix();
        if (fresh) {
            lines_.clear();
            BuildGreedily();
        } else {
            lines_ = best_;
            lines_[random_.Below(lines_.size())] = lines_.back();
            lines_.pop_back();
            AddAllLines();
        }
        coverage_.CountSoleCovers();
    }

    // Takes every line out of the table and forgets what the moves so far have learnt, ready for
    // another matrix; its lines are still in lines_.
    void ForgetMatrix() {
        // While the lines are out every set is uncovered: not counting then saves the work and
        // the memory of holding every set's numbers.
        coverage_.StopCountingSoleCovers();
        RemoveAllLines();
        coverage_.ResetWeights();
        lastLine_ = std::numeric_limits<std::size_t>::max();
        temperature_ = kHotTemperature;
        coolingWork_ = 0;
    }

    void AddAllLines() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            coverage_.AddLine(lines_[i], static_cast<std::uint32_t>(i));
        }
    }

    void RemoveAllLines() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            coverage_.RemoveLine(lines_[i], static_cast<std::uint32_t>(i));
        }
    }

    void SwapNumber(std::size_t index, int out, int in) {
        coverage_.SwapNumber(lines_[index], static_cast<std::uint32_t>(index), out, in);
        lines_[index].Clear(out);
        lines_[index].Set(in);
    }

    bool Interrupted() {
        interrupted_ = interrupted_ || (settings_.stopRequested && settings_.stopRequested());
        return interrupted_;
    }

    bool ShouldStop() {
        shared_.moves += moves_ - sharedMoves_;
        sharedMoves_ = moves_;
        if (Interrupted()) {
            return true;
        }
        const double elapsed = ReportProgress();
        stoppedByTime_ = elapsed >= settings_.seconds || ThreadCpuSeconds() - cpuStart_ >= settings_.cpuSeconds;
        return stoppedByTime_ || shared_.stop;
    }

    // Returns the time elapsed.
    double ReportProgress() {
        const double elapsed = Elapsed();
        if (reports_ && settings_.progress && elapsed >= nextProgress_) {
            nextProgress_ = elapsed + settings_.progressEvery;
            settings_.progress(
                {elapsed, lines_.size(), shared_.bestLines.load(), coverage_.UncoveredCount(), shared_.moves.load()});
        }
        return elapsed;
    }

    void RemoveLeastUsefulLine() {
        std::size_t weakest = 0;
        std::uint64_t leastUse = std::numeric_limits<std::uint64_t>::max();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::uint64_t use = coverage_.SoleCoverCount(static_cast<std::uint32_t>(i));
            if (use < leastUse) {
                leastUse = use;
                weakest = i;
            }
        }
        coverage_.RemoveLine(lines_[weakest], static_cast<std::uint32_t>(weakest));
        const std::size_t last = lines_.size() - 1;
        if (weakest != last) {
            coverage_.RenumberLine(lines_[last], static_cast<std::uint32_t>(last), static_cast<std::uint32_t>(weakest));
            lines_[weakest] = lines_[last];
        }
        lines_.pop_back();
    }

    // Makes the set covered by swapping one number of a line that nearly covers it for one of the
    // set's numbers. Of the swaps weighed, the one that uncovers the least weight wins, even when
    // it uncovers more than it covers: the weights of sets left uncovered grow with every move,
    // so the search cannot circle for ever around the same few sets. Undoing the previous move
    // at once is not allowed.
    void MoveTowards(NumberMask set) {
        nearest_.clear();
        int mostCommon = -1;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const int common = CommonCount(lines_[i], set);
            if (common > mostCommon) {
                mostCommon = common;
                nearest_.clear();
            }
            if (common == mostCommon) {
                nearest_.push_back(i);
            }
        }
        std::uint64_t tries = std::max<std::uint64_t>(1, kMoveWork / swapWork_);
        std::int64_t bestChange = std::numeric_limits<std::int64_t>::max();
        std::size_t bestLine = 0;
        int bestOut = 0;
        int bestIn = 0;
        std::uint64_t ties = 0;
        // Starting at a random line, weigh every swap of every nearest line, as far as the work
        // allows.
        const std::size_t first = random_.Below(nearest_.size());
        for (std::size_t n = 0; n < nearest_.size() && tries > 0; ++n) {
            const std::size_t chosen = nearest_[(first + n) % nearest_.size()];
            const NumberMask line = lines_[chosen];
            for (NumberMask outs = Without(line, set); !outs.Empty() && tries > 0; outs.RemoveLowest()) {
                const int out = outs.Lowest();
                for (NumberMask ins = Without(set, line); !ins.Empty() && tries > 0; ins.RemoveLowest()) {
                    const int in = ins.Lowest();
                    if (chosen == lastLine_ && in == lastOut_) {
                        continue;
                    }
                    --tries;
                    roundWork_ += swapWork_;
                    const std::int64_t change = coverage_.WeightedSwapChange(line, out, in);
                    if (change < bestChange) {
                        bestChange = change;
                        ties = 1;
                    } else if (change > bestChange || random_.Below(++ties) != 0) {
                        continue;
                    }
                    bestLine = chosen;
                    bestOut = out;
                    bestIn = in;
                }
            }
        }
        if (bestChange != std::numeric_limits<std::int64_t>::max()) {
            SwapNumber(bestLine, bestOut, bestIn);
            lastLine_ = bestLine;
            lastOut_ = bestOut;
        }
        coverage_.RaiseUncoveredWeights();
    }

    // One move of the annealing: a random swap of a line nearest to the set that brings one of the
    // set's numbers into the line, taken when it does not uncover more sets than it covers, or
    // else by chance, less and less likely as the search cools.
    void AnnealTowards(NumberMask set) {
        const std::size_t chosen = NearestLine(lines_, set, random_);
        const NumberMask line = lines_[chosen];
        const int out = random_.NumberOf(Without(line, set));
        const int in = random_.NumberOf(Without(set, line));
        // A change d > 0 is taken with chance exp(-d / temperature), that is when it is below
        // -temperature * ln(u) for a uniform u.
        const double unit = random_.Unit();
        const double limit =
            std::max(kLeastLimit, unit > 0 ? -temperature_ * std::log(unit) : std::numeric_limits<double>::infinity());
        const auto change =
            static_cast<double>(coverage_.QuickSwapChange(line, static_cast<std::uint32_t>(chosen), out, in));
        std::uint64_t work = coverage_.UncoveredCount() + 1;
        if (change < limit) {
            SwapNumber(chosen, out, in);
            work += coverage_.LastSwapWork();
        }
        roundWork_ += work;
        coolingWork_ += work;
        if (coolingWork_ >= kCoolingWork) {
            coolingWork_ = 0;
            temperature_ *= kCooling;
            if (temperature_ < kColdTemperature) {
                temperature_ = kHotTemperature;
            }
        }
    }

    // A matrix must use every number 1..N. An unused number takes the place of a number used
    // elsewhere when that keeps every set covered; failing that, it gets a line of its own.
    void UseEveryNumber() {
        coverage_.StopCountingSoleCovers();
        RemoveAllLines();
        lines_ = best_;
        AddAllLines();
        for (int number = 1; number <= settings_.numbers; ++number) {
            if (!UsedNumbers().Has(number) && !PlaceNumber(number)) {
                const NumberMask line = random_.Completed(NumberMask::Of(number), all_, settings_.length);
                coverage_.AddLine(line, static_cast<std::uint32_t>(lines_.size()));
                lines_.push_back(line);
            }
        }
        best_ = lines_;
    }

    NumberMask UsedNumbers() const {
        NumberMask used;
        for (const NumberMask& line : lines_) {
            used |= line;
        }
        return used;
    }

    bool PlaceNumber(int number) {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            for (NumberMask rest = lines_[i]; !rest.Empty(); rest.RemoveLowest()) {
                const int out = rest.Lowest();
                if (UseCount(out) >= 2 && coverage_.SwapChange(lines_[i], out, number) == 0) {
                    SwapNumber(i, out, number);
                    return true;
                }
            }
        }
        return false;
    }

    int UseCount(int number) const {
        return static_cast<int>(
            std::count_if(lines_.begin(), lines_.end(), [number](NumberMask line) { return line.Has(number); }));
    }

    const GeneratorSettings& settings_;
    SharedSearch& shared_;
    const bool reports_;
    MatrixGeneratorCoverage coverage_;
    SeededRandom random_;
    // The searches of rotations draw from a generator of their own, so that when they find
    // nothing the search goes on exactly as without them, only later.
    SeededRandom rotationRandom_;
    const NumberMask all_;
    const std::chrono::steady_clock::time_point start_;
    // Sets that weighing one swap looks at.
    const std::uint64_t swapWork_;
    std::vector<NumberMask> lines_;
    std::vector<NumberMask> best_;
    std::vector<std::size_t> nearest_;
    // The uncovered sets the greedy start weighs its candidates on; empty when it weighs on all.
    std::vector<NumberMask> sample_;
    std::uint64_t moves_ = 0;
    std::uint64_t sharedMoves_ = 0;
    std::size_t lastLine_ = std::numeric_limits<std::size_t>::max();
    int lastOut_ = 0;
    double nextProgress_ = 0;
    double cpuStart_ = 0;
    bool annealing_ = false;
    std::uint64_t roundWork_ = 0;
    std::uint64_t restarts_ = 0;
    std::uint64_t rounds_ = 0;
    double temperature_ = kHotTemperature;
    std::uint64_t coolingWork_ = 0;
    std::size_t rotationTurn_ = 0;
    double bestSeconds_ = 0;
    bool stoppedByTime_ = false;
    bool interrupted_ = false;
};

}  // namespace

MatrixGenerator::MatrixGenerator(GeneratorSettings settings, ThreadStarter startThread)
    : settings_(std::move(settings)), startThread_(std::move(startThread)) {
    const std::string error = ParameterError(settings_.numbers, settings_.length, settings_.drawn, settings_.points);
    if (!error.empty()) {
        throw std::invalid_argument(error);
    }
}

GeneratorResult MatrixGenerator::Run() {
    SharedSearch shared;
    shared.lowerBound = MatrixLowerBound(settings_.numbers, settings_.length, settings_.drawn, settings_.points);
    const std::size_t count = static_cast<std::size_t>(std::max(1, settings_.threads));
    // Built here, so that a table too large to hold is reported before any search starts.
    std::vector<std::unique_ptr<Search>> searches;
    for (std::size_t i = 0; i < count; ++i) {
        searches.push_back(std::make_unique<Search>(settings_, settings_.seed + i, shared, i == 0));
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
    // A search stopped on request before its first complete matrix has none to offer.
    const auto smallest = std::min_element(results.begin(), results.end(), [](const auto& a, const auto& b) {
        return !a.lines.empty() && (b.lines.empty() || a.lines.size() < b.lines.size());
    });
    const bool interrupted =
        std::any_of(results.begin(), results.end(), [](const GeneratorResult& r) { return r.interrupted; });
    GeneratorResult result = std::move(*smallest);
    result.moves = shared.moves.load();
    result.interrupted = interrupted;
    return result;
}

std::string MatrixGenerator::ParameterError(int numbers, int length, int drawn, int points) {
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
    return {};
}

}  // namespace ordavex
