#pragma once

#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "app/work_progress.h"
#include "combinations/matrix_name.h"
#include "lottery/line_length.h"

namespace ordavex {

// No real matrix comes near this; the limit keeps a huge file from filling the memory and
// from making development and saving take minutes.
constexpr std::int32_t kMatrixMaxCombinations = 1000000;

// What one read of a matrix file tells: N (how many different numbers it uses), its number of
// items, and whether the numbers used are exactly 1..N.
struct MatrixInfo {
    std::int32_t numbers = 0;
    std::int32_t items = 0;
    bool consecutive = false;

    // "N,items,True" or "N,items,Falso".
    std::string Text() const;
};

// Reads the file item by item. Throws OrdavexError for a file that cannot be opened or read, or
// that holds something other than numbers 1..90 (validation comes first).
MatrixInfo MatrixFileInfo(const std::string& path);

// A matrix ready to enter the application state.
struct LoadedMatrix {
    std::string name;             // capitalised file name without ".TXT"
    LineList lines;               // the cleaned items, as written
    std::int16_t numbers = 0;     // N
    std::int32_t lastLength = 0;  // numbers in the item stored last
    NameFields fields;
};

enum class MatrixLoadOutcome {
    Loaded,
    Rejected,             // validation refused the file; `error` tells why
    TooManyNumbers,       // more than 90 different numbers
    NotConsecutive,       // the numbers used are not 1..N
    TooManyCombinations,  // more than kMatrixMaxCombinations items
    Failed,               // the file could not be read after validation; `error` tells why
    Cancelled,            // the user stopped the load
};

struct MatrixLoadResult {
    MatrixLoadOutcome outcome = MatrixLoadOutcome::Failed;
    int error = 0;
    LoadedMatrix matrix;
};

// Validates the file as a matrix (5 to 10 numbers of 1..90 per item), checks that it uses
// at most 90 numbers, exactly 1..N, and reads it. Nothing outside the result changes. With
// `progress`, the two readings of the file count in it, and a cancel ends the load as Cancelled.
MatrixLoadResult LoadMatrixFile(const std::string& path, WorkProgress* progress = nullptr);

// The texts of the main window's matrix panel for a loaded matrix.
struct MatrixPanelTexts {
    std::string numbers;
    std::string combinations;
    std::string length;
    std::string fixed;
    std::string description;
};
MatrixPanelTexts PanelTextsOf(const LoadedMatrix& matrix);

}  // namespace ordavex
