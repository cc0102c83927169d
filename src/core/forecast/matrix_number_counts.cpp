#include "forecast/matrix_number_counts.h"

#include "checking/number_mask_of_line.h"
#include "combinations/number_mask.h"

namespace ordavex {

MatrixNumberCounts CountMatrixNumbers(const LineList& lines) {
    MatrixNumberCounts counts;
    counts.lines = static_cast<std::int32_t>(lines.size());
    NumberMask inEveryLine = NumberMask::FirstNumbers(kHighestNumber);
    for (const auto& line : lines) {
        NumberMask numbers = NumberMaskOfLine(line);
        inEveryLine = inEveryLine & numbers;
        for (; !numbers.Empty(); numbers.RemoveLowest()) {
            const int number = numbers.Lowest();
            ++counts.linesHolding[static_cast<std::size_t>(number)];
            if (number > counts.numbers) counts.numbers = number;
        }
    }
    if (lines.empty()) return counts;
    while (counts.fixed < kHighestNumber && inEveryLine.Has(counts.fixed + 1)) ++counts.fixed;
    return counts;
}

}  // namespace ordavex
