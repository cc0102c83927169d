#include "checking/draw_range.h"

#include <algorithm>

namespace ordavex {

DrawRange RangeOfChoice(const DrawRangeChoice& choice, std::size_t count) {
    switch (choice.kind) {
        case DrawRangeChoice::Kind::kLatest:
            return {count - std::min(count, choice.latest), count};
        case DrawRangeChoice::Kind::kFromTo:
            return {std::max<std::size_t>(choice.from, 1) - 1, std::min(choice.to, count)};
        case DrawRangeChoice::Kind::kAll:
            break;
    }
    return {0, count};
}

}  // namespace ordavex
