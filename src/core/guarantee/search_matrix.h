#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/matrix_generator_coverage.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// The matrix a search is improving, and the table of the sets of drawn numbers its lines cover,
// kept in step: each line's id in the table is its place in the matrix.
class SearchMatrix {
public:
    // Throws std::length_error when C(N, p) is beyond what the table holds. The table is only
    // made ready by Prepare, on the thread of the search.
    SearchMatrix(int numbers, int length, int drawn, int points);

    // Asked now and then while the table changes (see MatrixGeneratorCoverage::SetStop).
    void SetStop(std::function<bool()> stop) { coverage_.SetStop(std::move(stop)); }
    // False when stopped first.
    bool Prepare() { return coverage_.Fill(); }
    // Stopped in the middle of a change: the table no longer matches the lines until Reset.
    bool Broken() const { return coverage_.Broken(); }
    // No lines, a table ready again.
    void Reset();

    int Numbers() const { return numbers_; }
    int Length() const { return length_; }
    const std::vector<NumberMask>& Lines() const { return lines_; }
    std::size_t Size() const { return lines_.size(); }
    const MatrixGeneratorCoverage& Coverage() const { return coverage_; }
    std::size_t UncoveredCount() const { return coverage_.UncoveredCount(); }
    NumberMask UncoveredAt(std::size_t index) const { return coverage_.UncoveredAt(index); }

    void AddLine(NumberMask line);
    // Takes these lines in place of none; the matrix must be empty.
    void Take(const std::vector<NumberMask>& lines);
    // Takes every line out, with what the moves so far have taught the table (the weights of
    // the sets), ready for another matrix.
    void Clear();
    void SwapNumber(std::size_t index, int out, int in);
    // The line that alone covers fewest sets met in exactly t numbers leaves; the last line takes
    // its place. Needs the sole covers counted.
    void RemoveLeastUsefulLine();

    // See MatrixGeneratorCoverage: the swaps of the annealing are weighed from these counts.
    void CountSoleCovers() { coverage_.CountSoleCovers(); }
    void RaiseUncoveredWeights() { coverage_.RaiseUncoveredWeights(); }

    // A matrix must use every number 1..N. An unused number takes the place of a number used
    // twice by the swap that leaves fewest sets uncovered: such a swap never uncovers more sets
    // than it covers, as every set that only the line covered through the number it gives up is
    // covered through the unused number instead. Only when no number is used twice does the
    // number get a line of its own; that cannot happen to a matrix that fills a budget, which has
    // room for every number.
    void UseEveryNumber(SeededRandom& random);
    static bool UsesEveryNumber(const std::vector<NumberMask>& lines, int numbers);

private:
    NumberMask UsedNumbers() const;
    int UseCount(int number) const;
    // False when no number is used twice.
    bool PlaceNumber(int number);

    int numbers_;
    int length_;
    MatrixGeneratorCoverage coverage_;
    std::vector<NumberMask> lines_;
};

}  // namespace ordavex
