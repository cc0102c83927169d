#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "file_table.h"
#include "lottery/number_range.h"
#include "program_folders.h"

namespace ordavex {

// A list of combination lines. Entry 1 of the user's numbering is element 0 here;
// the count kept beside each list always equals the list's size.
using LineList = std::vector<std::string>;

enum ForecastState : std::int16_t { kForecastOff = 0, kForecastSelected = 1, kForecastFixed = 2 };

// One euro a combination until the player sets another stake.
constexpr std::int64_t kDefaultStakeCents = 100;

// Where the system in memory came from, as its printed page tells it.
struct SystemSource {
    enum class Kind { kUnknown, kDeveloped, kLoaded };
    Kind kind = Kind::kUnknown;
    // The matrix that was developed, or the name of the file that was loaded.
    std::string name;
    // The forecast the matrix was developed onto, indexed by the number (1..90).
    std::array<std::int16_t, kHighestNumber + 1> forecast{};
};

// The one working state of the program, owned by the application and handed by
// reference to every window. Windows exchange data only through it.
struct AppState {
    LineList SystemCombinations;
    std::int32_t SystemCount = 0;
    // Kept apart from the forecast selection, which may change after the development.
    SystemSource Source;
    // The stake per combination in euro cents, for the cost shown, printed and checked.
    std::int64_t StakeCents = kDefaultStakeCents;

    std::string MatrixName;
    LineList MatrixCombinations;
    std::int32_t MatrixCount = 0;
    std::int16_t MatrixNumbers = 0;

    // Indexed by the number itself (1..90); entry 0 is never used.
    std::array<std::int16_t, kHighestNumber + 1> ForecastStates{};
    std::int16_t ForecastCount = 0;

    std::string SystemsFolder;
    std::string MatricesFolder;
    std::string ArchivesFolder;

    std::string MessageText;
    std::string MessageButtons;
    std::int16_t MessageChoice = 0;

    std::string InfoText;

    // Widened from 16 bits so that no run of the program can overflow it.
    std::int32_t KeypadTabCounter = 0;

    // Every file the program opens is registered here, so that error reporting can close them all.
    FileTable Files;

    // Sets both folders to their start values for the program's layout of folders.
    void SetStartFolders(const FolderPlaces& places);

    // Replace the system in memory; keeps SystemCount equal to the list's size.
    void ReplaceSystem(LineList lines);

    // Replace the loaded matrix and clear the forecast selection.
    void ReplaceMatrix(std::string name, LineList lines, std::int16_t numbers);

    void ClearForecast();
    // Recounts ForecastCount from ForecastStates.
    void RecountForecast();

    bool HasSystem() const { return SystemCount >= 1; }
    bool HasMatrix() const { return MatrixCount >= 1; }
};

}  // namespace ordavex
