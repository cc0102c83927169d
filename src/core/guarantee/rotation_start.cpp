#include "guarantee/rotation_start.h"

#include <algorithm>

#include "guarantee/binomial.h"
#include "guarantee/rotation_search.h"

namespace ordavex {

namespace {

// Sets looked at in one try: a few seconds.
constexpr std::uint64_t kRotationWork = 4'000'000'000;
// Matrices of rotations are sought down to (kRotationSizeShare - 1) / kRotationSizeShare of the
// size wanted.
constexpr std::size_t kRotationSizeShare = 10;
constexpr std::uint64_t kRotationSeedOffset = 0x5DEECE66DULL;

}  // namespace

RotationStart::RotationStart(const GeneratorSettings& settings, std::uint64_t seed)
    : settings_(settings), random_(seed + kRotationSeedOffset) {}

std::optional<std::vector<NumberMask>> RotationStart::Find(std::size_t smallest, std::uint64_t lowerBound,
                                                           const std::function<bool()>& stop) {
    const std::vector<std::pair<std::size_t, int>> sizes = Sizes(smallest, lowerBound);
    if (sizes.empty()) {
        return std::nullopt;
    }
    const auto [lines, cycleLength] = sizes[turn_++ % sizes.size()];
    RotationSearch rotations(settings_.numbers, settings_.length, settings_.drawn, settings_.points, cycleLength, stop);
    const std::size_t baseLines = lines / static_cast<std::size_t>(cycleLength);
    // The sizes were chosen by the count of sets; the table of rotations may hold more.
    if (!rotations.Fits(baseLines)) {
        return std::nullopt;
    }
    RotationSearch::Result found = rotations.Search(baseLines, kRotationWork, random_, stop);
    if (!found.complete) {
        return std::nullopt;
    }
    return std::move(found.lines);
}

// The sizes a matrix of rotations could have below the smallest matrix met, with the cycle length
// of each: the most lines first and, of as many, the longest cycles (fewest base lines). Sizes far
// below are left out, as a search aiming there rarely gets there.
std::vector<std::pair<std::size_t, int>> RotationStart::Sizes(std::size_t smallest, std::uint64_t lowerBound) const {
    std::vector<std::pair<std::size_t, int>> sizes;
    const std::uint64_t sets = Binomial(settings_.numbers, settings_.drawn);
    if (sets > RotationSearch::kMostSets) {
        return sizes;
    }
    const std::size_t target = smallest - 1;
    for (const int cycleLength : RotationSearch::CycleLengths(settings_.numbers)) {
        const std::size_t baseLines = target / static_cast<std::size_t>(cycleLength);
        const std::size_t lines = baseLines * static_cast<std::size_t>(cycleLength);
        if (lines > 0 && lines >= lowerBound && lines * kRotationSizeShare >= target * (kRotationSizeShare - 1) &&
            baseLines * sets <= RotationSearch::kMostMeets) {
            sizes.emplace_back(lines, cycleLength);
        }
    }
    std::sort(sizes.begin(), sizes.end(), std::greater<>());
    return sizes;
}

}  // namespace ordavex
