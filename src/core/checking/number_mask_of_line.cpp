#include "checking/number_mask_of_line.h"

#include "app/app_state.h"

namespace ordavex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// A direct scan instead of ForEachPiece and a conversion of each piece: checking reads every
// piece of the system, and this keeps a system of 100,000 lines within a few milliseconds. Its
// pieces are ForEachPiece's (parted by each single blank); only the pieces that are numbers count.
NumberMask NumberMaskOfLine(std::string_view line) {
    NumberMask numbers;
    const char* position = line.data();
    const char* const end = position + line.size();
    while (position != end) {
        // Developed systems write every number with two digits: read those at once.
        if (end - position >= 2 && IsDigit(position[0]) && IsDigit(position[1]) &&
            (end - position == 2 || position[2] == ' ')) {
            const int value = (position[0] - '0') * 10 + (position[1] - '0');
            if (value >= kLowestNumber && value <= kHighestNumber) numbers.Set(value);
            position += end - position == 2 ? 2 : 3;
            continue;
        }
        bool number = *position != '-';
        if (*position == '+' || *position == '-') ++position;
        bool digits = false;
        int value = 0;
        for (; position != end && *position != ' '; ++position) {
            if (!IsDigit(*position)) {
                number = false;
            } else {
                digits = true;
                if (value <= kHighestNumber) value = value * 10 + (*position - '0');
            }
        }
        if (number && digits && value >= kLowestNumber && value <= kHighestNumber) numbers.Set(value);
        if (position != end) ++position;  // the blank that ended the piece
    }
    return numbers;
}

}  // namespace ordavex
