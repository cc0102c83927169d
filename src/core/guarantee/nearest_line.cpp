#include "guarantee/nearest_line.h"

#include "guarantee/bit_count.h"

namespace ordavex {

namespace {

// Keeps, of the lines with most numbers in common, each with the same chance: the k-th such line
// met replaces the one chosen with chance 1/k.
template <typename Count>
ORDAVEX_COUNTING_INLINE std::size_t NearestLineCounting(const std::vector<NumberMask>& lines, NumberMask set,
                                                        SeededRandom& random, Count count) {
    std::size_t chosen = 0;
    int mostCommon = -1;
    std::size_t ties = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int common = count(lines[i] & set);
        if (common > mostCommon) {
            mostCommon = common;
            ties = 0;
        }
        if (common == mostCommon && random.Below(++ties) == 0) {
            chosen = i;
        }
    }
    return chosen;
}

#if ORDAVEX_CHOOSES_BIT_COUNT
[[gnu::target("popcnt")]] std::size_t NearestLineByInstruction(const std::vector<NumberMask>& lines, NumberMask set,
                                                               SeededRandom& random) {
    return NearestLineCounting(lines, set, random, InstructionCount{});
}
#endif

}  // namespace

std::size_t NearestLine(const std::vector<NumberMask>& lines, NumberMask set, SeededRandom& random) {
#if ORDAVEX_CHOOSES_BIT_COUNT
    if (HasBitCountInstruction()) {
        return NearestLineByInstruction(lines, set, random);
    }
#endif
    return NearestLineByMaskCount(lines, set, random);
}

std::size_t NearestLineByMaskCount(const std::vector<NumberMask>& lines, NumberMask set, SeededRandom& random) {
    return NearestLineCounting(lines, set, random, MaskCount{});
}

}  // namespace ordavex
