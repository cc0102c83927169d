#include "program_folders.h"

#include <filesystem>
#include <system_error>

#include "app/error_number.h"
#include "app/utf8_path.h"

namespace ordavex {

namespace {

constexpr const char* kPortableFolder = "Shared";

// "/" is understood as a separator on every platform; the trailing one marks a folder.
std::string Below(const std::string& folder, const std::string& name) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    return path + name + "/";
}

}  // namespace

bool IsPortableLayout(const FolderPlaces& places) {
    std::error_code ignored;
    return std::filesystem::is_directory(PathFromUtf8(Below(places.applicationFolder, kPortableFolder)), ignored);
}

std::string StartFolder(const FolderPlaces& places, const ProgramFolder& folder) {
    if (IsPortableLayout(places)) return Below(Below(places.applicationFolder, kPortableFolder), folder.name);
    const bool shipped = folder.installed == InstalledPlace::Shipped;
    return Below(shipped ? places.shippedFolder : places.userFolder, folder.name);
}

std::string UserMatricesFolder(const FolderPlaces& places) { return StartFolder(places, kUserMatricesFolder); }

int CreateUserFolders(const FolderPlaces& places) {
    if (IsPortableLayout(places)) return 0;
    for (const ProgramFolder& folder : kProgramFolders) {
        if (folder.installed != InstalledPlace::UserOwn) continue;
        const std::string path = StartFolder(places, folder);
        std::error_code error;
        std::filesystem::create_directories(PathFromUtf8(path), error);
        // A file in the folder's place is the same failure on every platform, whatever code the
        // platform's library gives it.
        std::error_code ignored;
        if (std::filesystem::exists(PathFromUtf8(path), ignored) &&
            !std::filesystem::is_directory(PathFromUtf8(path), ignored)) {
            error = std::make_error_code(std::errc::file_exists);
        }
        if (error) return ErrorNumberForSystemError(error, path);
    }
    return 0;
}

}  // namespace ordavex
