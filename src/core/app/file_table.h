#pragma once

#include <cstddef>
#include <cstdio>
#include <list>
#include <string>

namespace ordavex {

class FileTable;

// A file opened through a FileTable. Closing happens on destruction, or earlier when the
// table closes every file at once; either way the handle then reports it is closed.
class OpenFile {
public:
    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&& other) noexcept;
    ~OpenFile();

    bool IsOpen() const;
    std::FILE* Stream() const;
    // Closes the file; returns false when the system reported a failure (data not written).
    bool Close();

private:
    friend class FileTable;
    OpenFile(FileTable* table, std::list<std::FILE*>::iterator entry) : table_(table), entry_(entry) {}
    FileTable* table_ = nullptr;
    std::list<std::FILE*>::iterator entry_{};
};

// Keeps every file the program has open, so that one call can close them all.
class FileTable {
public:
    FileTable() = default;
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;
    ~FileTable();

    // Opens with the C library's modes ("rb", "wb", "ab"). Reading ("rb") opens regular files
    // only: a folder, a FIFO or a device is refused at once. On failure the handle is closed
    // and errno tells why.
    OpenFile Open(const std::string& path, const char* mode);
    void CloseAll();
    std::size_t OpenCount() const;

private:
    friend class OpenFile;
    std::list<std::FILE*> files_;
};

}  // namespace ordavex
