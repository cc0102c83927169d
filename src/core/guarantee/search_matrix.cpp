#include "guarantee/search_matrix.h"

#include <algorithm>
#include <limits>

namespace ordavex {

namespace {

std::uint32_t IdOf(std::size_t index) { return static_cast<std::uint32_t>(index); }

}  // namespace

SearchMatrix::SearchMatrix(int numbers, int length, int drawn, int points)
    : numbers_(numbers), length_(length), coverage_(numbers, drawn, points, MatrixGeneratorCoverage::Unfilled{}) {}

void SearchMatrix::Reset() {
    coverage_.Reset();
    lines_.clear();
}

void SearchMatrix::AddLine(NumberMask line) {
    coverage_.AddLine(line, IdOf(lines_.size()));
    lines_.push_back(line);
}

void SearchMatrix::Take(const std::vector<NumberMask>& lines) {
    for (const NumberMask line : lines) {
        AddLine(line);
    }
}

void SearchMatrix::Clear() {
    // While the lines are out every set is uncovered: not counting then saves the work and the
    // memory of holding every set's numbers.
    coverage_.StopCountingSoleCovers();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        coverage_.RemoveLine(lines_[i], IdOf(i));
    }
    lines_.clear();
    coverage_.ResetWeights();
}

void SearchMatrix::SwapNumber(std::size_t index, int out, int in) {
    coverage_.SwapNumber(lines_[index], IdOf(index), out, in);
    lines_[index].Clear(out);
    lines_[index].Set(in);
}

void SearchMatrix::RemoveLeastUsefulLine() {
    std::size_t weakest = 0;
    std::uint64_t leastUse = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::uint64_t use = coverage_.SoleCoverCount(IdOf(i));
        if (use < leastUse) {
            leastUse = use;
            weakest = i;
        }
    }
    coverage_.RemoveLine(lines_[weakest], IdOf(weakest));
    const std::size_t last = lines_.size() - 1;
    if (weakest != last) {
        coverage_.RenumberLine(lines_[last], IdOf(last), IdOf(weakest));
        lines_[weakest] = lines_[last];
    }
    lines_.pop_back();
}

void SearchMatrix::UseEveryNumber(SeededRandom& random) {
    coverage_.StopCountingSoleCovers();
    for (int number = 1; number <= numbers_; ++number) {
        if (!UsedNumbers().Has(number) && !PlaceNumber(number)) {
            AddLine(random.Completed(NumberMask::Of(number), NumberMask::FirstNumbers(numbers_), length_));
        }
    }
}

bool SearchMatrix::UsesEveryNumber(const std::vector<NumberMask>& lines, int numbers) {
    NumberMask used;
    for (const NumberMask& line : lines) {
        used |= line;
    }
    return used == NumberMask::FirstNumbers(numbers);
}

NumberMask SearchMatrix::UsedNumbers() const {
    NumberMask used;
    for (const NumberMask& line : lines_) {
        used |= line;
    }
    return used;
}

int SearchMatrix::UseCount(int number) const {
    return static_cast<int>(
        std::count_if(lines_.begin(), lines_.end(), [number](NumberMask line) { return line.Has(number); }));
}

// When every set is covered no swap can cover more: the first swap, which uncovers none, is taken.
bool SearchMatrix::PlaceNumber(int number) {
    const bool complete = coverage_.UncoveredCount() == 0;
    std::int64_t leastChange = std::numeric_limits<std::int64_t>::max();
    std::size_t bestLine = 0;
    int bestOut = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        for (const int out : lines_[i]) {
            if (UseCount(out) < 2) {
                continue;
            }
            const std::int64_t change = coverage_.SwapChange(lines_[i], out, number);
            if (change < leastChange) {
                leastChange = change;
                bestLine = i;
                bestOut = out;
            }
            if (complete && change == 0) {
                break;
            }
        }
        if (complete && leastChange == 0) {
            break;
        }
    }
    if (leastChange == std::numeric_limits<std::int64_t>::max()) {
        return false;
    }
    SwapNumber(bestLine, bestOut, number);
    return true;
}

}  // namespace ordavex
