#include "app_state.h"

#include <algorithm>
#include <utility>

namespace ordavex {

void AppState::SetStartFolders(const FolderPlaces& places) {
    SystemsFolder = StartFolder(places, kSystemsFolder);
    MatricesFolder = StartFolder(places, kMatricesFolder);
    ArchivesFolder = StartFolder(places, kArchivesFolder);
}

void AppState::ReplaceSystem(LineList lines) {
    SystemCombinations = std::move(lines);
    SystemCount = static_cast<std::int32_t>(SystemCombinations.size());
}

void AppState::ReplaceMatrix(std::string name, LineList lines, std::int16_t numbers) {
    MatrixName = std::move(name);
    MatrixCombinations = std::move(lines);
    MatrixCount = static_cast<std::int32_t>(MatrixCombinations.size());
    MatrixNumbers = numbers;
    ClearForecast();
}

void AppState::ClearForecast() {
    ForecastStates.fill(kForecastOff);
    ForecastCount = 0;
}

void AppState::RecountForecast() {
    ForecastCount = static_cast<std::int16_t>(std::count_if(ForecastStates.begin() + 1, ForecastStates.end(),
                                                            [](std::int16_t s) { return s != kForecastOff; }));
}

}  // namespace ordavex
