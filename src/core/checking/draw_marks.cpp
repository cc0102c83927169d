#include "checking/draw_marks.h"

namespace ordavex {

bool DrawMarks::Toggle(int n) {
    auto& mark = DrawnNumbers[static_cast<std::size_t>(n)];
    mark = !mark;
    DrawnCount = static_cast<std::int16_t>(DrawnCount + (mark ? 1 : -1));
    return mark;
}

void DrawMarks::AllNumbers(bool modo) {
    DrawnCount = 0;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        DrawnNumbers[static_cast<std::size_t>(n)] = modo;
        if (modo) ++DrawnCount;
    }
}

void DrawMarks::MarkOnly(const NumberMask& numbers) {
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) DrawnNumbers[static_cast<std::size_t>(n)] = numbers.Has(n);
    DrawnCount = static_cast<std::int16_t>(numbers.Count());
}

}  // namespace ordavex
