// The file system calls of Windows; CMake builds this file there.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "app/native_file.h"
#include "app/native_file_errors.h"
#include "app/utf8_path.h"

namespace ordavex {

using native_file_detail::kFallbackLongestName;
using native_file_detail::ThrowErrno;

namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

std::wstring Wide(const std::string& path) { return PathFromUtf8(path).wstring(); }

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned piece = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int written = ::_write(fd, bytes.data(), piece);
        if (written < 0) ThrowErrno(errno);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

NativeFile NativeFile::CreateNew(const std::string& path) {
    int fd = -1;
    if (::_wsopen_s(&fd, Wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _SH_DENYNO,
                    _S_IREAD | _S_IWRITE) != 0) {
        ThrowErrno(errno);
    }
    return NativeFile(fd);
}

NativeFile NativeFile::OpenForUpdate(const std::string& path) {
    int fd = -1;
    if (::_wsopen_s(&fd, Wide(path).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0) != 0) {
        ThrowErrno(errno);
    }
    return NativeFile(fd);
}

void NativeFile::Write(std::string_view bytes) { WriteAll(Fd(handle_), bytes); }

void NativeFile::WriteAt(std::uintmax_t offset, std::string_view bytes) {
    if (::_lseeki64(Fd(handle_), static_cast<long long>(offset), SEEK_SET) < 0) ThrowErrno(errno);
    WriteAll(Fd(handle_), bytes);
}

void NativeFile::Truncate(std::uintmax_t length) {
    if (::_chsize_s(Fd(handle_), static_cast<long long>(length)) != 0) ThrowErrno(errno);
}

void NativeFile::Sync() {
    if (::_commit(Fd(handle_)) != 0) ThrowErrno(errno);
}

// Windows keeps owners and permissions in access lists that a replacing file inherits from its
// folder, and a read-only file is never replaced.
void NativeFile::TakeModeAndOwnerOf(const std::string&) {}

void NativeFile::TakeDefaultMode() {}

void NativeFile::Close() {
    if (handle_ < 0) return;
    if (::_close(Fd(std::exchange(handle_, -1))) != 0) ThrowErrno(errno);
}

PathFacts ExaminePath(const std::string& path) {
    std::error_code error;
    const auto at = PathFromUtf8(path);
    const auto status = std::filesystem::symlink_status(at, error);
    if (status.type() == std::filesystem::file_type::not_found) return {};
    if (error) throw std::system_error(error);
    PathFacts facts;
    facts.exists = true;
    facts.link = std::filesystem::is_symlink(status);
    facts.regular = std::filesystem::is_regular_file(status);
    facts.size = facts.regular ? std::filesystem::file_size(at, error) : 0;
    facts.hardLinks = facts.regular ? std::filesystem::hard_link_count(at, error) : 1;
    facts.mode = static_cast<unsigned>(status.permissions());
    return facts;
}

bool MayWrite(const std::string& path) {
    std::error_code error;
    const auto perms = std::filesystem::status(PathFromUtf8(path), error).permissions();
    return !error && (perms & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
}

std::size_t LongestNameIn(const std::string&) { return kFallbackLongestName; }

void SyncFolder(const std::string&) {}

std::FILE* OpenRegularFileForReading(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(PathFromUtf8(path), error);
    if (!error && std::filesystem::is_directory(status)) {
        errno = EISDIR;
        return nullptr;
    }
    if (!error && !std::filesystem::is_regular_file(status)) {
        errno = EINVAL;
        return nullptr;
    }
    return ::_wfopen(Wide(path).c_str(), L"rb");
}

}  // namespace ordavex
