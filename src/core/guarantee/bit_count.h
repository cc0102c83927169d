#pragma once

#include "combinations/number_mask.h"

// The portable x86-64 build may not assume the processor's bit-count instruction, and counting
// without it (NumberMask::Count) is most of the search's time. The few loops that count most are
// therefore written once as a template over the way of counting, and compiled a second time for
// the instruction, which is called only where the processor has it.
#if defined(__x86_64__) && !defined(__POPCNT__) && defined(__GNUC__)
#define ORDAVEX_CHOOSES_BIT_COUNT 1
#else
#define ORDAVEX_CHOOSES_BIT_COUNT 0
#endif

// Lets a counting template be inlined into the function compiled for the instruction.
#if defined(__GNUC__)
#define ORDAVEX_COUNTING_INLINE [[gnu::always_inline]] inline
#else
#define ORDAVEX_COUNTING_INLINE inline
#endif

namespace ordavex {

struct MaskCount {
    int operator()(NumberMask mask) const { return mask.Count(); }
};

#if ORDAVEX_CHOOSES_BIT_COUNT
struct InstructionCount {
    [[gnu::target("popcnt")]] int operator()(NumberMask mask) const {
        return __builtin_popcountll(mask.low) + __builtin_popcountll(mask.high);
    }
};

inline bool HasBitCountInstruction() {
    static const bool has = __builtin_cpu_supports("popcnt") != 0;
    return has;
}
#endif

}  // namespace ordavex
