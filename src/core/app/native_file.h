#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace ordavex {

// What the file system tells of one path, without following a link at its end.
struct PathFacts {
    bool exists = false;
    bool link = false;
    bool regular = false;
    std::uintmax_t size = 0;
    std::uintmax_t hardLinks = 0;
    // Permission bits as the platform gives them (0 where it has none).
    unsigned mode = 0;
};

// The calls to the file system that the standard library does not offer portably: exclusive
// creation that never follows a link, flushing to the disk, keeping a replaced file's owner and
// mode, and opening regular files only. Every failure throws std::system_error with the
// platform's reason. One implementation serves POSIX systems, another Windows.
class NativeFile {
public:
    NativeFile() = default;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;
    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&& other) noexcept;
    ~NativeFile();

    // Creates a new file readable and writable by its owner only; fails if anything, a link
    // included, already has that name.
    static NativeFile CreateNew(const std::string& path);
    // Opens an existing regular file for writing in place, without following a link.
    static NativeFile OpenForUpdate(const std::string& path);

    void Write(std::string_view bytes);
    void WriteAt(std::uintmax_t offset, std::string_view bytes);
    void Truncate(std::uintmax_t length);
    // Waits until the content is on the disk.
    void Sync();
    // Gives the file the permissions and, where the process may, the owner and group of
    // `model`; a new file (no model) gets the permissions the process gives new files.
    void TakeModeAndOwnerOf(const std::string& model);
    void TakeDefaultMode();
    void Close();

private:
    explicit NativeFile(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_ = -1;
};

PathFacts ExaminePath(const std::string& path);

// Whether the process may write the existing file at `path`.
bool MayWrite(const std::string& path);

// The longest file name, in bytes, that the folder takes.
std::size_t LongestNameIn(const std::string& folder);

// Flushes a folder's entries (a rename done in it) to the disk; does nothing where the platform
// cannot.
void SyncFolder(const std::string& folder);

// Opens a file for reading in binary mode if it is a regular file. A FIFO, a device or a folder
// is refused with EINVAL (EISDIR for a folder) without waiting for a writer. Returns nullptr with
// errno set on failure.
std::FILE* OpenRegularFileForReading(const std::string& path);

}  // namespace ordavex
