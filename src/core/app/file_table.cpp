#include "file_table.h"

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <utility>

#include "app/native_file.h"
#include "app/utf8_path.h"

namespace ordavex {

namespace {

std::FILE* OpenStream(const std::string& path, const char* mode) {
    if (std::string_view(mode) == "rb") return OpenRegularFileForReading(path);
#ifdef _WIN32
    // Paths are UTF-8 throughout the program; Windows needs them as wide text.
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(PathFromUtf8(path).c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

}  // namespace

OpenFile::OpenFile(OpenFile&& other) noexcept : table_(std::exchange(other.table_, nullptr)), entry_(other.entry_) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        Close();
        table_ = std::exchange(other.table_, nullptr);
        entry_ = other.entry_;
    }
    return *this;
}

OpenFile::~OpenFile() { Close(); }

bool OpenFile::IsOpen() const { return table_ != nullptr && *entry_ != nullptr; }

std::FILE* OpenFile::Stream() const { return IsOpen() ? *entry_ : nullptr; }

bool OpenFile::Close() {
    if (table_ == nullptr) return true;
    bool ok = true;
    if (*entry_ != nullptr) ok = std::fclose(*entry_) == 0;
    table_->files_.erase(entry_);
    table_ = nullptr;
    return ok;
}

FileTable::~FileTable() { CloseAll(); }

OpenFile FileTable::Open(const std::string& path, const char* mode) {
    errno = 0;
    std::FILE* stream = OpenStream(path, mode);
    if (stream == nullptr) return OpenFile();
    files_.push_back(stream);
    return OpenFile(this, std::prev(files_.end()));
}

void FileTable::CloseAll() {
    // Entries stay in the list, emptied, until their handles let go of them.
    for (auto& stream : files_) {
        if (stream != nullptr) {
            std::fclose(stream);
            stream = nullptr;
        }
    }
}

std::size_t FileTable::OpenCount() const {
    std::size_t count = 0;
    for (auto* stream : files_) count += stream != nullptr ? 1 : 0;
    return count;
}

}  // namespace ordavex
