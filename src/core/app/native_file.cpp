#include "native_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/utf8_path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ordavex {

namespace {

[[noreturn]] void ThrowErrno(int error) { throw std::system_error(error != 0 ? error : EIO, std::generic_category()); }

constexpr std::size_t kFallbackLongestName = 255;

}  // namespace

NativeFile::NativeFile(NativeFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        try {
            Close();
        } catch (const std::system_error&) {
        }
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

NativeFile::~NativeFile() {
    try {
        Close();
    } catch (const std::system_error&) {
    }
}

#ifndef _WIN32

namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

void WriteAll(int fd, std::string_view bytes, const off_t* offset) {
    off_t at = offset != nullptr ? *offset : 0;
    while (!bytes.empty()) {
        const ssize_t written =
            offset != nullptr ? ::pwrite(fd, bytes.data(), bytes.size(), at) : ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        at += written;
    }
}

mode_t ProcessFileCreationMask() {
    // Reading the mask means setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

NativeFile NativeFile::CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) ThrowErrno(errno);
    return NativeFile(fd);
}

NativeFile NativeFile::OpenForUpdate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) ThrowErrno(errno);
    NativeFile file(fd);
    struct stat facts {};
    if (::fstat(fd, &facts) != 0) ThrowErrno(errno);
    if (!S_ISREG(facts.st_mode)) ThrowErrno(EINVAL);
    return file;
}

void NativeFile::Write(std::string_view bytes) { WriteAll(Fd(handle_), bytes, nullptr); }

void NativeFile::WriteAt(std::uintmax_t offset, std::string_view bytes) {
    const auto at = static_cast<off_t>(offset);
    WriteAll(Fd(handle_), bytes, &at);
}

void NativeFile::Truncate(std::uintmax_t length) {
    if (::ftruncate(Fd(handle_), static_cast<off_t>(length)) != 0) ThrowErrno(errno);
}

void NativeFile::Sync() {
    if (::fsync(Fd(handle_)) != 0) ThrowErrno(errno);
}

void NativeFile::TakeModeAndOwnerOf(const std::string& model) {
    struct stat facts {};
    if (::stat(model.c_str(), &facts) != 0) ThrowErrno(errno);
    // Only a privileged process may give a file away; anyone else keeps the file as theirs.
    if (::fchown(Fd(handle_), facts.st_uid, facts.st_gid) != 0 && errno != EPERM) ThrowErrno(errno);
    if (::fchmod(Fd(handle_), facts.st_mode & 07777) != 0) ThrowErrno(errno);
}

void NativeFile::TakeDefaultMode() {
    const mode_t everyone = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
    if (::fchmod(Fd(handle_), everyone & ~ProcessFileCreationMask()) != 0) ThrowErrno(errno);
}

void NativeFile::Close() {
    if (handle_ < 0) return;
    const int fd = Fd(std::exchange(handle_, -1));
    if (::close(fd) != 0 && errno != EINTR) ThrowErrno(errno);
}

PathFacts ExaminePath(const std::string& path) {
    struct stat facts {};
    if (::lstat(path.c_str(), &facts) != 0) {
        if (errno == ENOENT) return {};
        ThrowErrno(errno);
    }
    return {true,
            S_ISLNK(facts.st_mode),
            S_ISREG(facts.st_mode),
            static_cast<std::uintmax_t>(facts.st_size),
            static_cast<std::uintmax_t>(facts.st_nlink),
            static_cast<unsigned>(facts.st_mode & 07777)};
}

bool MayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

std::size_t LongestNameIn(const std::string& folder) {
    errno = 0;
    const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : kFallbackLongestName;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) ThrowErrno(errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync folders
    const int reason = errno;
    ::close(fd);
    if (!synced) ThrowErrno(reason);
}

std::FILE* OpenRegularFileForReading(const std::string& path) {
    // Without O_NONBLOCK a FIFO would wait here for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat facts {};
    int refusal = 0;
    if (::fstat(fd, &facts) != 0) {
        refusal = errno;
    } else if (S_ISDIR(facts.st_mode)) {
        refusal = EISDIR;
    } else if (!S_ISREG(facts.st_mode)) {
        refusal = EINVAL;
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        refusal = errno;
    }
    std::FILE* stream = refusal == 0 ? ::fdopen(fd, "rb") : nullptr;
    if (stream == nullptr) {
        if (refusal == 0) refusal = errno;
        ::close(fd);
        errno = refusal;
    }
    return stream;
}

#else

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

#endif

}  // namespace ordavex
