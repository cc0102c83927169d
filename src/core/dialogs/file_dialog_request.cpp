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
constexpr const char* kExportTitle = "Esporta";
constexpr const char* kPdfTitle = "PDF";
constexpr const char* kCsvFilter = "Foglio di calcolo";
constexpr const char* kCsvPattern = "*.csv";
constexpr const char* kCsvExtension = "csv";
constexpr const char* kPdfFilter = "Documenti PDF";
constexpr const char* kPdfPattern = "*.pdf";
constexpr const char* kPdfExtension = "pdf";
constexpr const char* kImageTitle = "Salva immagine";
constexpr const char* kImageFilter = "Immagini PNG";
constexpr const char* kImagePattern = "*.png";
constexpr const char* kImageExtension = "png";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsExistingFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(PathFromUtf8(path), ignored);
}

// Every dialog of the program asks for a text file.
FileDialogRequest TextFileRequest(FileDialogMode mode, const char* filterName, const std::string& location) {
    FileDialogRequest request;
    request.mode = mode;
    request.title = mode == FileDialogMode::Open ? kOpenTitle : kSaveTitle;
    request.filterName = filterName;
    request.pattern = kTextPattern;
    request.initialLocation = location;
    request.defaultExtension = kTextExtension;
    return request;
}

// A save of another type than text: its own title, pattern and extension.
FileDialogRequest TypedSaveRequest(const char* filterName, const char* title, const char* pattern,
                                   const char* extension, const std::string& location) {
    FileDialogRequest request = TextFileRequest(FileDialogMode::Save, filterName, location);
    request.title = title;
    request.pattern = pattern;
    request.defaultExtension = extension;
    return request;
}

}  // namespace

FileDialogRequest OpenSystemRequest(const std::string& systemsFolder) {
    return TextFileRequest(FileDialogMode::Open, kSystemsFilter, systemsFolder);
}

FileDialogRequest OpenMatrixRequest(const std::string& matricesFolder, const std::string& userMatricesFolder) {
    FileDialogRequest request = TextFileRequest(FileDialogMode::Open, kMatricesFilter, matricesFolder);
    if (!userMatricesFolder.empty()) request.sidebarFolders.push_back(userMatricesFolder);
    return request;
}

FileDialogRequest SaveSystemRequest(const std::string& systemsFolder) {
    return TextFileRequest(FileDialogMode::Save, kSystemsFilter, systemsFolder);
}

FileDialogRequest OpenArchiveRequest(const std::string& archivesFolder) {
    return TextFileRequest(FileDialogMode::Open, kArchivesFilter, archivesFolder);
}

FileDialogRequest ExportCsvRequest(const std::string& systemsFolder) {
    return TypedSaveRequest(kCsvFilter, kExportTitle, kCsvPattern, kCsvExtension, systemsFolder);
}

FileDialogRequest ExportTextRequest(const std::string& systemsFolder) {
    FileDialogRequest request = TextFileRequest(FileDialogMode::Save, kSystemsFilter, systemsFolder);
    request.title = kExportTitle;
    return request;
}

FileDialogRequest SavePdfRequest(const std::string& systemsFolder) {
    return TypedSaveRequest(kPdfFilter, kPdfTitle, kPdfPattern, kPdfExtension, systemsFolder);
}

FileDialogRequest SaveImageRequest(const std::string& systemsFolder) {
    return TypedSaveRequest(kImageFilter, kImageTitle, kImagePattern, kImageExtension, systemsFolder);
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
