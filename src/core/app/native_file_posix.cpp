// The file system calls of POSIX systems (Linux, macOS, the BSDs); CMake builds this file there.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "app/native_file.h"
#include "app/native_file_errors.h"

namespace ordavex {

using native_file_detail::kFallbackLongestName;
using native_file_detail::ThrowErrno;

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

}  // namespace ordavex
