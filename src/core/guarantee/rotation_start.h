#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

// Where the search of matrices that a rotation maps onto themselves (RotationSearch) takes over
// from the search of single lines for a while: which size and cycle length to try, in turn.
class RotationStart {
public:
    // The searches of rotations draw from a generator of their own, so that when they find
    // nothing the search goes on exactly as without them, only later.
    RotationStart(const GeneratorSettings& settings, std::uint64_t seed);

    // A complete matrix of base lines and their rotations with fewer than `smallest` lines, but no
    // fewer than the lower bound, when the next size and cycle length tried give one; `stop` is
    // asked now and then.
    std::optional<std::vector<NumberMask>> Find(std::size_t smallest, std::uint64_t lowerBound,
                                                const std::function<bool()>& stop);

private:
    std::vector<std::pair<std::size_t, int>> Sizes(std::size_t smallest, std::uint64_t lowerBound) const;

    const GeneratorSettings& settings_;
    SeededRandom random_;
    std::size_t turn_ = 0;
};

}  // namespace ordavex
