#include "guarantee/guarantee_checker.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The clock is read once this much work has been done since the last reading: a visited branch
// counts one, and so does every line it counts a number on, so that a branch over a huge matrix
// cannot let the deadline slip by. About a tenth of a millisecond of work.
constexpr std::uint64_t kWorkBetweenClockReads = 1 << 16;

}  // namespace

// One run of the counterexample search for a claim (t, p). Everything it needs is sized once at
// the start, so the search itself allocates nothing.
class GuaranteeChecker::Search {
public:
    Search(const GuaranteeChecker& checker, int points, int drawn, CheckDeadline deadline)
        : checker_(checker), points_(points), drawn_(drawn), deadline_(deadline), hits_(checker.lines_.size(), 0) {}

    ClaimResult Run() {
        NumberMask forbidden;
        if (points_ == 1) {
            // With no drawn number yet every line already stands at t-1 hits.
            for (const NumberMask& line : checker_.lines_) {
                forbidden |= line;
            }
        }
        ClaimResult result;
        if (Extend(0, NumberMask::FirstNumbers(checker_.numbers_), forbidden)) {
            result.status = ClaimStatus::kFails;
            result.counterexample.assign(chosen_.begin(), chosen_.begin() + drawn_);
        } else {
            result.status = timedOut_ ? ClaimStatus::kNotCompleted : ClaimStatus::kHolds;
        }
        return result;
    }

private:
    // `above` holds the numbers greater than the last one chosen. Returns true when `chosen_`
    // holds a complete counterexample.
    bool Extend(int depth, NumberMask above, NumberMask forbidden) {
        const int missing = drawn_ - depth;
        if (missing == 0) {
            return true;
        }
        NumberMask candidates = Without(above, forbidden);
        int left = candidates.Count();
        while (left >= missing) {
            if (OutOfTime()) {
                return false;
            }
            const int number = candidates.Lowest();
            candidates.RemoveLowest();
            --left;
            chosen_[static_cast<std::size_t>(depth)] = number;
            const NumberMask extended = forbidden | AddNumber(number);
            if (Extend(depth + 1, candidates, extended)) {
                return true;
            }
            RemoveNumber(number);
            if (timedOut_) {
                return false;
            }
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
    std::uint64_t work_ = 0;
    std::uint64_t nextClockRead_ = 0;
    bool timedOut_ = false;
};

GuaranteeChecker::GuaranteeChecker(std::vector<NumberMask> lines, int numbers)
    : lines_(std::move(lines)), numbers_(numbers) {
    if (numbers_ < 1 || numbers_ > kHighestNumber) {
        throw std::invalid_argument("a matrix uses 1 to 90 numbers");
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

ClaimResult GuaranteeChecker::CheckClaim(int points, int drawn, CheckDeadline deadline) const {
    if (drawn < 1 || drawn > numbers_ || points < 0) {
        throw std::invalid_argument("a claim needs 1..N drawn numbers and no negative points");
    }
    if (points == 0) {
        return {ClaimStatus::kHolds, {}};
    }
    return Search(*this, points, drawn, deadline).Run();
}

int GuaranteeChecker::GuaranteedPoints(int drawn, int ceiling, CheckDeadline deadline) const {
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
    // each entry needs a single check: whether it is one more than the entry before.
    const int last = std::min(numbers_, kNumbersPerDraw);
    std::vector<int> profile(static_cast<std::size_t>(last), kPointsUnknown);
    int points = 0;
    for (int drawn = 1; drawn <= last; ++drawn) {
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
