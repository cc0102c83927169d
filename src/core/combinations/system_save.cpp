#include "system_save.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/error_number.h"
#include "app/utf8_path.h"
#include "combinations/capital_letters.h"

namespace ordavex {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSavedOpening = "Salvate ";
constexpr const char* kAppendedOpening = "Accodate ";
constexpr const char* kSavedClosing = " combinazioni ..!";
constexpr const char* kPendingEnding = ".tmp";
constexpr std::size_t kCopyChunk = 1 << 16;
constexpr int kMostPendingNames = 1000;

std::filesystem::path FileSystemPath(const std::string& path) { return PathFromUtf8(path); }

[[noreturn]] void ThrowForErrno(const std::string& path) {
    throw OrdavexError(ErrorNumberForErrno(errno != 0 ? errno : EIO, path));
}

// A name beside the target that no file holds yet, for the new content until it is complete.
std::string PendingPathFor(const std::string& path) {
    for (int attempt = 0; attempt < kMostPendingNames; ++attempt) {
        const std::string candidate = path + "." + std::to_string(attempt) + kPendingEnding;
        std::error_code error;
        if (!std::filesystem::exists(FileSystemPath(candidate), error) && !error) return candidate;
    }
    throw OrdavexError(kErrFileAlreadyOpen);
}

void WriteBytes(std::FILE* stream, std::string_view bytes, const std::string& path) {
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) ThrowForErrno(path);
}

void CopyOldContent(FileTable& files, const std::string& from, std::FILE* to, const std::string& toPath) {
    OpenFile old = files.Open(from, "rb");
    if (!old.IsOpen()) ThrowForErrno(from);
    std::vector<char> buffer(kCopyChunk);
    while (true) {
        errno = 0;
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), old.Stream());
        WriteBytes(to, std::string_view(buffer.data(), got), toPath);
        if (got < buffer.size()) {
            if (std::ferror(old.Stream()) != 0) ThrowForErrno(from);
            if (std::feof(old.Stream()) != 0) return;
        }
    }
}

void WriteContent(FileTable& files, const std::string& pending, const std::string& path, const LineList& lines,
                  SaveMode mode) {
    OpenFile file = files.Open(pending, "wb");
    if (!file.IsOpen()) ThrowForErrno(pending);
    if (mode == SaveMode::Append) {
        CopyOldContent(files, path, file.Stream(), pending);
        WriteBytes(file.Stream(), kLineEnd, pending);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) WriteBytes(file.Stream(), kLineEnd, pending);
        WriteBytes(file.Stream(), lines[i], pending);
    }
    errno = 0;
    if (std::fflush(file.Stream()) != 0) ThrowForErrno(pending);
    errno = 0;
    if (!file.Close()) ThrowForErrno(pending);
}

// The replaced file's permissions stay with the name; a new file keeps the defaults.
void KeepPermissionsOf(const std::string& path, const std::string& pending) {
    std::error_code error;
    const auto old = std::filesystem::status(FileSystemPath(path), error);
    if (error || !std::filesystem::is_regular_file(old)) return;
    std::filesystem::permissions(FileSystemPath(pending), old.permissions(), error);
}

}  // namespace

std::string WithCapitalFileName(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    const std::size_t nameAt = separator == std::string_view::npos ? 0 : separator + 1;
    return std::string(path.substr(0, nameAt)) + ToCapitals(path.substr(nameAt));
}

std::uintmax_t SavedFileLength(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(FileSystemPath(path), error);
    if (status.type() == std::filesystem::file_type::not_found) return 0;
    if (error) throw OrdavexError(ErrorNumberForSystemError(error, path));
    if (std::filesystem::is_directory(status)) throw OrdavexError(kErrBadFileName);
    const auto length = std::filesystem::file_size(FileSystemPath(path), error);
    if (error) throw OrdavexError(ErrorNumberForSystemError(error, path));
    return length;
}

void WriteSystemFile(FileTable& files, const std::string& path, const LineList& lines, SaveMode mode) {
    const std::string pending = PendingPathFor(path);
    try {
        WriteContent(files, pending, path, lines, mode);
        KeepPermissionsOf(path, pending);
        std::error_code error;
        std::filesystem::rename(FileSystemPath(pending), FileSystemPath(path), error);
        if (error) throw OrdavexError(ErrorNumberForSystemError(error, path));
    } catch (...) {
        // The new file is closed by now; only the old one remains, untouched.
        std::error_code ignored;
        std::filesystem::remove(FileSystemPath(pending), ignored);
        throw;
    }
}

std::string SavedMessage(SaveMode mode, std::int32_t count) {
    return (mode == SaveMode::Append ? kAppendedOpening : kSavedOpening) + std::to_string(count) + kSavedClosing;
}

}  // namespace ordavex
