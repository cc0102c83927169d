#include "checking/used_numbers.h"

#include <array>

#include "app/error_number.h"
#include "app/text_split.h"
#include "combinations/number_token.h"

namespace ordavex {

std::vector<std::int16_t> UsedNumbers(const LineList& lines) {
    std::array<bool, kHighestNumber + 1> used{};
    for (const auto& line : lines) {
        ForEachPiece(line, ' ', [&used](std::string_view piece) {
            const auto reading = ConvertNumberToken(piece);
            if (reading.error != 0) throw OrdavexError(reading.error);
            if (reading.value < kLowestNumber || reading.value > kHighestNumber) throw OrdavexError(kErrSubscript);
            used[static_cast<std::size_t>(reading.value)] = true;
        });
    }
    std::vector<std::int16_t> numbers;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (used[static_cast<std::size_t>(n)]) numbers.push_back(static_cast<std::int16_t>(n));
    }
    return numbers;
}

}  // namespace ordavex
