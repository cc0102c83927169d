#include "guarantee/guarantee_checker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The clock is read once this much work has been done since the last reading: a visited branch
// counts one, and so does every line it counts a number on, so that a branch over a huge matrix
// cannot let the deadline slip by. About a tenth of a millisecond of work.
constexpr std::uint64_t kWorkBetweenClockReads = 1 << 16;

// How many sets of `take` numbers out of `pool`, or none when 64 bits cannot hold it.
std::optional<std::uint64_t> SetCount(int pool, int take) {
    if (take < 0 || take > pool) return 0;
    take = std::min(take, pool - take);
    std::uint64_t count = 1;
    for (int i = 1; i <= take; ++i) {
        // count * (pool - take + i) / i is whole; dividing by the common factor first keeps the
        // product as small as the result allows.
        const std::uint64_t factor = static_cast<std::uint64_t>(pool - take + i);
        const std::uint64_t divisor = static_cast<std::uint64_t>(i);
        const std::uint64_t common = std::gcd(count, divisor);
        const std::uint64_t reduced = count / common;
        const std::uint64_t rest = factor / (divisor / common);
        if (reduced > std::numeric_limits<std::uint64_t>::max() / rest) return std::nullopt;
        count = reduced * rest;
    }
    return count;
}

}  // namespace

// One run of the counterexample search for a claim (t, p), which stops at the first
// counterexample or counts them all. Everything it needs is sized once at the start, so the
// search itself allocates nothing.
class GuaranteeChecker::Search {
public:
    Search(const GuaranteeChecker& checker, int points, int drawn, CheckDeadline deadline)
        : checker_(checker), points_(points), drawn_(drawn), deadline_(deadline), hits_(checker.lines_.size(), 0) {}

    ClaimResult FirstCounterexample() {
        SearchFromTheFixedNumbers<Goal::kFirst>();
        if (timedOut_) {
            return {ClaimStatus::kNotCompleted, {}};
        }
        if (counterexamples_ == 0) {
            return {ClaimStatus::kHolds, {}};
        }
        return {ClaimStatus::kFails, std::vector<int>(chosen_.begin(), chosen_.begin() + drawn_)};
    }

    // How many draws no line meets in t numbers, or none when the time ran out.
    std::optional<std::uint64_t> CountCounterexamples() {
        SearchFromTheFixedNumbers<Goal::kCount>();
        if (timedOut_) {
            return std::nullopt;
        }
        return counterexamples_;
    }

private:
    // Each goal has a search of its own, so that counting costs the search for the first
    // counterexample nothing.
    enum class Goal { kFirst, kCount };

    // The draws all hold 1..F: they are counted on the lines before the search chooses the rest.
    template <Goal goal>
    void SearchFromTheFixedNumbers() {
        const int fixed = checker_.fixed_;
        for (int number = 1; number <= fixed; ++number) {
            chosen_[static_cast<std::size_t>(number) - 1] = number;
            AddNumber(number);
        }
        NumberMask forbidden;
        for (std::size_t line = 0; line < hits_.size(); ++line) {
            if (hits_[line] >= points_) {
                return;  // this line meets every draw in enough numbers
            }
            if (hits_[line] == points_ - 1) {
                forbidden |= checker_.lines_[line];
            }
        }
        const NumberMask above = Without(NumberMask::FirstNumbers(checker_.numbers_), NumberMask::FirstNumbers(fixed));
        Extend<goal>(fixed, above, forbidden);
    }

    // `above` holds the numbers greater than the last one chosen, `forbidden` those that would
    // bring some line to t hits. Returns true when the search must stop: `chosen_` holds a
    // complete counterexample and one is enough, or the time ran out.
    template <Goal goal>
    bool Extend(int depth, NumberMask above, NumberMask forbidden) {
        const int missing = drawn_ - depth;
        if (missing == 0) {
            ++counterexamples_;
            return goal == Goal::kFirst;
        }
        NumberMask candidates = Without(above, forbidden);
        int left = candidates.Count();
        if (missing == 1) {
            // No allowed number brings a line to t hits: each one completes a counterexample.
            if (left > 0) {
                chosen_[static_cast<std::size_t>(depth)] = candidates.Lowest();
                counterexamples_ += static_cast<std::uint64_t>(left);
            }
            return left > 0 && goal == Goal::kFirst;
        }
        if constexpr (goal == Goal::kCount) {
            if (missing == 2) {
                return CountPairsLeft(candidates);
            }
        }
        while (left >= missing) {
            if (OutOfTime()) {
                return true;
            }
            const int number = candidates.Lowest();
            candidates.RemoveLowest();
            --left;
            chosen_[static_cast<std::size_t>(depth)] = number;
            const NumberMask extended = forbidden | AddNumber(number);
            if (Extend<goal>(depth + 1, candidates, extended)) {
                return true;
            }
            RemoveNumber(number);
        }
        return false;
    }

    // Counts the counterexamples that two more of the candidates complete, which is all the pairs
    // but those that a line at t-2 hits holds both of: its t-1 lines forbid what would close them
    // at once. Returns true when the time ran out.
    bool CountPairsLeft(NumberMask candidates) {
        while (!candidates.Empty()) {
            if (OutOfTime()) {
                return true;
            }
            const int first = candidates.Lowest();
            candidates.RemoveLowest();
            NumberMask closing;
            const auto begin = checker_.lineStart_[static_cast<std::size_t>(first)];
            const auto end = checker_.lineStart_[static_cast<std::size_t>(first) + 1];
            work_ += end - begin;
            for (auto i = begin; i < end; ++i) {
                const auto line = checker_.lineIds_[i];
                if (hits_[line] == points_ - 2) {
                    closing |= checker_.lines_[line];
                }
            }
            counterexamples_ += static_cast<std::uint64_t>(Without(candidates, closing).Count());
        }
        return false;
    }

    // Counts the number on its lines; returns the lines that now stand at t-1 hits.
    NumberMask AddNumber(int number) {
        NumberMask closing;
        const auto begin = checker_.lineStart_[static_cast<std::size_t>(number)];
        const auto end = checker_.lineStart_[static_cast<std::size_t>(number) + 1];
        work_ += end - begin;
        for (auto i = begin; i < end; ++i) {
            const auto line = checker_.lineIds_[i];
            if (++hits_[line] == points_ - 1) {
                closing |= checker_.lines_[line];
            }
        }
        return closing;
    }

    void RemoveNumber(int number) {
        const auto begin = checker_.lineStart_[static_cast<std::size_t>(number)];
        const auto end = checker_.lineStart_[static_cast<std::size_t>(number) + 1];
        for (auto i = begin; i < end; ++i) {
            --hits_[checker_.lineIds_[i]];
        }
    }

    bool OutOfTime() {
        if (!deadline_ || ++work_ < nextClockRead_) {
            return timedOut_;
        }
        nextClockRead_ = work_ + kWorkBetweenClockReads;
        timedOut_ = std::chrono::steady_clock::now() >= *deadline_;
        return timedOut_;
    }

    const GuaranteeChecker& checker_;
    const int points_;
    const int drawn_;
    const CheckDeadline deadline_;
    std::vector<int> hits_;
    std::array<int, kHighestNumber> chosen_{};
    std::uint64_t counterexamples_ = 0;
    std::uint64_t work_ = 0;
    std::uint64_t nextClockRead_ = 0;
    bool timedOut_ = false;
};

GuaranteeChecker::GuaranteeChecker(std::vector<NumberMask> lines, int numbers, int fixed)
    : lines_(std::move(lines)), numbers_(numbers), fixed_(fixed) {
    if (numbers_ < 1 || numbers_ > kHighestNumber) {
        throw std::invalid_argument("a matrix uses 1 to 90 numbers");
    }
    if (fixed_ < 0 || fixed_ > numbers_) {
        throw std::invalid_argument("the fixed numbers are some of the matrix's numbers");
    }
    const NumberMask allowed = NumberMask::FirstNumbers(numbers_);
    lineStart_.assign(static_cast<std::size_t>(numbers_) + 2, 0);
    for (const NumberMask& line : lines_) {
        if (Without(line, allowed) != NumberMask{}) {
            throw std::invalid_argument("a line holds a number beyond the matrix's numbers");
        }
        for (NumberMask rest = line; !rest.Empty(); rest.RemoveLowest()) {
            ++lineStart_[static_cast<std::size_t>(rest.Lowest()) + 1];
        }
    }
    for (std::size_t n = 1; n < lineStart_.size(); ++n) {
        lineStart_[n] += lineStart_[n - 1];
    }
    lineIds_.resize(lineStart_.back());
    std::vector<std::uint32_t> next(lineStart_.begin(), lineStart_.end() - 1);
    for (std::uint32_t id = 0; id < lines_.size(); ++id) {
        for (NumberMask rest = lines_[id]; !rest.Empty(); rest.RemoveLowest()) {
            lineIds_[next[static_cast<std::size_t>(rest.Lowest())]++] = id;
        }
    }
}

bool GuaranteeChecker::LinesHoldTheFixedNumbers() const {
    const NumberMask fixed = NumberMask::FirstNumbers(fixed_);
    return std::all_of(lines_.begin(), lines_.end(), [&](const NumberMask& line) { return (line & fixed) == fixed; });
}

std::optional<std::uint64_t> GuaranteeChecker::Draws(int drawn) const {
    return SetCount(numbers_ - fixed_, drawn - fixed_);
}

void GuaranteeChecker::RequireDrawable(int points, int drawn) const {
    if (drawn < std::max(1, fixed_) || drawn > numbers_ || points < 0) {
        throw std::invalid_argument(
            "a claim needs 1..N drawn numbers, the fixed ones among them, and no negative points");
    }
}

ClaimResult GuaranteeChecker::CheckClaim(int points, int drawn, CheckDeadline deadline) const {
    RequireDrawable(points, drawn);
    if (points == 0) {
        return {ClaimStatus::kHolds, {}};
    }
    return Search(*this, points, drawn, deadline).FirstCounterexample();
}

CoverageCount GuaranteeChecker::CountCoverage(int points, int drawn, CheckDeadline deadline) const {
    RequireDrawable(points, drawn);
    const auto draws = Draws(drawn);
    if (!draws) {
        return {};
    }
    if (points == 0) {
        return {true, *draws, 0};
    }
    if (points > drawn) {
        return {true, *draws, *draws};
    }
    const auto uncovered = Search(*this, points, drawn, deadline).CountCounterexamples();
    if (!uncovered) {
        return {false, *draws, 0};
    }
    return {true, *draws, *uncovered};
}

int GuaranteeChecker::GuaranteedPoints(int drawn, int ceiling, CheckDeadline deadline) const {
    RequireDrawable(0, drawn);
    // A claim that fails is usually refuted at once, while one that holds needs its whole
    // search: coming down from the top runs a single complete search.
    for (int points = std::min(ceiling, drawn); points > 0; --points) {
        const ClaimResult result = CheckClaim(points, drawn, deadline);
        if (result.status == ClaimStatus::kNotCompleted) {
            return kPointsUnknown;
        }
        if (result.status == ClaimStatus::kHolds) {
            return points;
        }
    }
    return 0;
}

int GuaranteeChecker::GuaranteedPoints(int drawn, CheckDeadline deadline) const {
    int longest = 0;
    for (const NumberMask& line : lines_) {
        longest = std::max(longest, line.Count());
    }
    return GuaranteedPoints(drawn, longest, deadline);
}

std::vector<int> GuaranteeChecker::Profile(CheckDeadline deadline) const {
    // One more drawn number never lowers the guarantee and raises it by one point at most, so
    // each entry after the first needs a single check: whether it is one more than the entry
    // before. The first draw that can hold the fixed numbers is those numbers alone, and its
    // guarantee is the most of them that one line holds.
    const int last = std::min(numbers_, kNumbersPerDraw);
    std::vector<int> profile(static_cast<std::size_t>(last), kPointsUnknown);
    if (fixed_ > last) {
        std::fill(profile.begin(), profile.end(), kPointsNotApplicable);
        return profile;
    }
    std::fill_n(profile.begin(), std::max(fixed_ - 1, 0), kPointsNotApplicable);
    int points = 0;
    int drawn = 1;
    if (fixed_ > 0) {
        const NumberMask fixed = NumberMask::FirstNumbers(fixed_);
        for (const NumberMask& line : lines_) {
            points = std::max(points, CommonCount(line, fixed));
        }
        profile[static_cast<std::size_t>(fixed_) - 1] = points;
        drawn = fixed_ + 1;
    }
    for (; drawn <= last; ++drawn) {
        const ClaimResult next = CheckClaim(points + 1, drawn, deadline);
        if (next.status == ClaimStatus::kNotCompleted) {
            break;
        }
        if (next.status == ClaimStatus::kHolds) {
            ++points;
        }
        profile[static_cast<std::size_t>(drawn) - 1] = points;
    }
    return profile;
}

}  // namespace ordavex
