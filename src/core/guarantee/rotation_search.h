#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// A search among the matrices that one rotation of the numbers maps onto themselves. The numbers
// 1..c*m fall into c cycles of m consecutive numbers and the rotation moves each one place along
// its cycle; the numbers above c*m stay where they are. Such a matrix is made of base lines and
// their m rotations, and a set of drawn numbers is covered exactly when each of its rotations is,
// so the search moves only the base lines and checks one set of each rotation class: a smaller
// space, searched some m times faster per move. On some cases the smallest matrices known are of
// this kind, where a search of single lines does not find them.
class RotationSearch {
public:
    // The table of rotation classes is built only up to this many sets of drawn numbers.
    static constexpr std::uint64_t kMostSets = 3'000'000;
    // A search holds a byte for each base line and set: at most this many.
    static constexpr std::uint64_t kMostMeets = 64'000'000;

    struct Result {
        // The base lines and their rotations, each line once, of the matrix that left the fewest
        // sets uncovered.
        std::vector<NumberMask> lines;
        bool complete = false;
        // Sets looked at.
        std::uint64_t work = 0;
    };

    // The cycle lengths worth trying for N numbers: those that leave at most two numbers in place.
    static std::vector<int> CycleLengths(int numbers);

    // Throws std::length_error above kMostSets sets. Sorting the sets into classes takes a good
    // part of a second on the largest tables: `stop` is asked every few milliseconds, and once it
    // says to end, every search ends at once with nothing found.
    RotationSearch(int numbers, int length, int drawn, int points, int cycleLength,
                   const std::function<bool()>& stop = {});

    // Anneals `baseLines` base lines from a random start for at most `work` sets looked at, until
    // every set is covered or `stop` (asked every few milliseconds) says to end. A move swaps a
    // number of the base line nearest to a rotation of an uncovered set for one of that
    // rotation's numbers. Throws std::length_error when the base lines times the sets are above
    // kMostMeets.
    Result Search(std::size_t baseLines, std::uint64_t work, SeededRandom& random, const std::function<bool()>& stop);

    // Whether a search of `baseLines` base lines stays within kMostMeets. The table holds every
    // rotation of each class, more than the sets when some classes have fewer distinct rotations
    // than the cycle is long.
    bool Fits(std::size_t baseLines) const { return baseLines * rotations_.size() <= kMostMeets; }

private:
    NumberMask Rotated(NumberMask set, int steps) const;
    bool IsFirstOfClass(NumberMask set) const;
    // A rotation of a random class that no line covers; there must be one.
    NumberMask UncoveredRotation(const std::vector<std::uint32_t>& covers, SeededRandom& random) const;
    std::vector<NumberMask> LinesOf(const std::vector<NumberMask>& baseLines) const;

    int numbers_;
    int length_;
    int points_;
    int cycleLength_;
    // Where each number goes in one step of the rotation.
    std::vector<int> next_;
    // The m rotations of the first set of each class, class after class.
    std::vector<NumberMask> rotations_;
    bool stopped_ = false;
};

}  // namespace ordavex
