#include "file_dialog_request.h"

#include <filesystem>

#include "app/utf8_path.h"

namespace ordavex {

namespace {

constexpr const char* kOpenTitle = "Open";
constexpr const char* kSaveTitle = "Save";
constexpr const char* kSystemsFilter = "Sistemi";
constexpr const char* kMatricesFilter = "Matrici";
constexpr const char* kArchivesFilter = "Archivi estrazioni";
constexpr const char* kTextPattern = "*.txt";
constexpr const char* kTextExtension = "txt";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsExistingFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(PathFromUtf8(path), ignored);
}

}  // namespace

FileDialogRequest OpenSystemRequest(const std::string& systemsFolder) {
    return {FileDialogMode::Open, kOpenTitle, kSystemsFilter, kTextPattern, systemsFolder, kTextExtension};
}

FileDialogRequest OpenMatrixRequest(const std::string& matricesFolder) {
    return {FileDialogMode::Open, kOpenTitle, kMatricesFilter, kTextPattern, matricesFolder, kTextExtension};
}

FileDialogRequest SaveSystemRequest(const std::string& systemsFolder) {
    return {FileDialogMode::Save, kSaveTitle, kSystemsFilter, kTextPattern, systemsFolder, kTextExtension};
}

FileDialogRequest OpenArchiveRequest(const std::string& archivesFolder) {
    return {FileDialogMode::Open, kOpenTitle, kArchivesFilter, kTextPattern, archivesFolder, kTextExtension};
}

StartLocation SplitStartLocation(const std::string& location) {
    if (location.empty() || IsSeparator(location.back()) || IsExistingFolder(location)) return {location, ""};
    const auto cut = location.find_last_of("/\\");
    if (cut == std::string::npos) return {"", location};
    return {location.substr(0, cut + 1), location.substr(cut + 1)};
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (path.empty() || extension.empty()) return path;
    const auto nameStart = path.find_last_of("/\\");
    const auto name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + "." + extension;
}

}  // namespace ordavex
