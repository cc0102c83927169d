#include "app_state.h"

#include <algorithm>
#include <utility>

namespace ordavex {

const char* const kSystemsFolderName = "Costruzioni";
const char* const kMatricesFolderName = "SuperMatrici";
const char* const kArchivesFolderName = "Estrazioni";

std::string SharedFolder(const std::string& applicationFolder, const std::string& name) {
    // "/" is understood as a separator on every platform; the trailing one marks a folder.
    std::string folder = applicationFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder + "Shared/" + name + "/";
}

void AppState::SetStartFolders(const std::string& applicationFolder) {
    SystemsFolder = SharedFolder(applicationFolder, kSystemsFolderName);
    MatricesFolder = SharedFolder(applicationFolder, kMatricesFolderName);
    ArchivesFolder = SharedFolder(applicationFolder, kArchivesFolderName);
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
    ForecastCount = static_cast<std::int16_t>(
        std::count_if(ForecastStates.begin() + 1, ForecastStates.end(), [](std::int16_t s) { return s != kForecastOff; }));
}

}  // namespace ordavex
