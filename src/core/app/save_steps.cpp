#include "app/save_steps.h"

#include <filesystem>

#include "app/utf8_path.h"

namespace ordavex {

void SaveSteps::SyncFile(NativeFile& file, const std::string&) { file.Sync(); }

void SaveSteps::Rename(const std::string& from, const std::string& to) {
    std::filesystem::rename(PathFromUtf8(from), PathFromUtf8(to));
}

void SaveSteps::SyncFolder(const std::string& folder) { ordavex::SyncFolder(folder); }

}  // namespace ordavex
