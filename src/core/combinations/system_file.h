#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "lottery/line_length.h"

namespace ordavex {

constexpr std::int32_t kSystemMaxLines = 200;

enum class SystemLoadOutcome {
    Loaded,
    Rejected,      // validation refused the file; `error` tells why
    TooManyLines,  // more than kSystemMaxLines combinations
    Failed,        // the file could not be counted or read after validation; `error` tells why
};

struct SystemLoadResult {
    SystemLoadOutcome outcome = SystemLoadOutcome::Failed;
    int error = 0;
    LineList lines;  // the cleaned lines, in file order, when loaded
};

// The fewest and most numbers a line may hold as it loads.
struct LengthLimits {
    std::int64_t shortest = 0;
    std::int64_t longest = INT64_MAX;
};

// Reads the cleaned lines of a file that are not empty, in file order, as written, stopping once
// more than `stopAbove` have been read. Throws OrdavexError for a file that cannot be opened or
// read, and 100 for a line whose numbers (as it loads, commas being blanks) are too few or too many.
LineList ReadSystemLines(const std::string& path, std::size_t stopAbove = SIZE_MAX, const LengthLimits& lengths = {});

// Loads a system file: validates it (5 to 10 numbers of 1..90 per item), checks that it holds
// at most 200 combinations, then reads its lines, each of which must hold 5 to 10 numbers as it
// loads (validation reads items: "1 2 3 4 5,6 7 8 9 10 11" passes it as two, yet loads as one
// line of 11). Nothing outside the result changes.
SystemLoadResult LoadSystemFile(const std::string& path);

}  // namespace ordavex
