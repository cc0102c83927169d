#include "guarantee/greedy_start.h"

#include <algorithm>

namespace ordavex {

namespace {

// Candidate lines weighed for each line.
constexpr int kCandidates = 16;
// How many of them are built number by number, when that is affordable (kLineWork sets looked at
// for one line).
constexpr int kBuiltCandidates = 2;
constexpr std::uint64_t kLineWork = 4'000'000;
// Uncovered sets drawn for each line when the candidates are weighed on a sample, and drawn
// between two questions whether to stop (each costs a cache miss on the largest tables).
constexpr std::size_t kSample = 100'000;
constexpr std::size_t kSampleBetweenQuestions = 10'000;

}  // namespace

GreedyStart::GreedyStart(const GeneratorSettings& settings, SearchMatrix& matrix, SeededRandom& random,
                         SearchControl& control)
    : settings_(settings),
      matrix_(matrix),
      random_(random),
      control_(control),
      all_(NumberMask::FirstNumbers(settings.numbers)) {}

NumberMask GreedyStart::RandomLineThrough(NumberMask set) {
    NumberMask line;
    for (int i = 0; i < settings_.points; ++i) {
        line.Set(random_.NumberOf(Without(set, line)));
    }
    return random_.Completed(line, all_, settings_.length);
}

// A line through t numbers of the set, completed one number at a time with the number that makes
// it cover most sets that no line covers yet.
NumberMask GreedyStart::GreedyLineThrough(NumberMask set) {
    NumberMask line;
    for (int i = 0; i < settings_.points; ++i) {
        line.Set(random_.NumberOf(Without(set, line)));
    }
    // Weighing one number takes some milliseconds on the largest tables, where the sample is
    // large and far from the processor's caches.
    while (line.Count() < settings_.length && !Stopped()) {
        int chosen = 0;
        std::uint64_t mostCovered = 0;
        std::uint64_t ties = 0;
        for (const int number : Without(all_, line)) {
            if (Stopped()) break;
            const std::uint64_t covered = NewlyCovered(line | NumberMask::Of(number));
            if (chosen == 0 || covered > mostCovered) {
                mostCovered = covered;
                ties = 1;
            } else if (covered < mostCovered || random_.Below(++ties) != 0) {
                continue;
            }
            chosen = number;
        }
        // A stop before the first number was weighed leaves none chosen: the line stays short, and
        // the start, stopped, does not take it.
        if (chosen == 0) break;
        line.Set(chosen);
    }
    return line;
}

// Sets the line would cover that no line covers yet: all of them, or only those of the sample
// when the candidates are weighed on one.
std::uint64_t GreedyStart::NewlyCovered(NumberMask line) const {
    if (sample_.empty()) {
        return matrix_.Coverage().NewlyCovered(line);
    }
    return static_cast<std::uint64_t>(std::count_if(
        sample_.begin(), sample_.end(), [&](NumberMask set) { return CommonCount(set, line) >= settings_.points; }));
}

void GreedyStart::DrawSample() {
    sample_.clear();
    const std::size_t uncovered = matrix_.UncoveredCount();
    if (uncovered <= kSample) {
        for (std::size_t i = 0; i < uncovered; ++i) {
            sample_.push_back(matrix_.UncoveredAt(i));
        }
        return;
    }
    for (std::size_t i = 0; i < kSample; ++i) {
        if (i % kSampleBetweenQuestions == 0 && Stopped()) break;
        sample_.push_back(matrix_.UncoveredAt(random_.Below(uncovered)));
    }
}

bool GreedyStart::Stopped() { return control_.PollStopRequest() || matrix_.Broken(); }

// The line built number by number is the best candidate but costs N times more to build, so it
// is weighed only while that stays within the work allowed for one line, or when candidates are
// weighed on a sample, which makes it cheap.
void GreedyStart::Build(std::size_t budget) {
    const std::uint64_t coveredByLine = matrix_.Coverage().CoveredCount(settings_.length);
    const bool sampling = coveredByLine * kCandidates > settings_.exactGreedyWork;
    const std::uint64_t lineWork =
        coveredByLine * static_cast<std::uint64_t>(settings_.numbers * (settings_.length - settings_.points));
    const bool buildNumberByNumber = sampling || lineWork <= kLineWork;
    while (matrix_.UncoveredCount() > 0 && (budget == 0 || matrix_.Size() < budget)) {
        if (Stopped()) break;
        const NumberMask set = matrix_.UncoveredAt(random_.Below(matrix_.UncoveredCount()));
        if (sampling) {
            DrawSample();
        }
        NumberMask chosen;
        std::uint64_t mostCovered = 0;
        for (int candidate = 0; candidate < kCandidates; ++candidate) {
            const NumberMask line =
                buildNumberByNumber && candidate < kBuiltCandidates ? GreedyLineThrough(set) : RandomLineThrough(set);
            const std::uint64_t covered = NewlyCovered(line);
            if (covered > mostCovered || candidate == 0) {
                mostCovered = covered;
                chosen = line;
            }
        }
        if (Stopped()) break;
        // The start must cover every set, so it goes on beyond the time limit.
        matrix_.AddLine(chosen);
        control_.NoteStartingMatrix();
    }
    sample_.clear();
}

}  // namespace ordavex
