#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace ordavex::test {

// A fresh folder for one test, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Full path (as text) of a file in the folder.
    std::string File(const std::string& name) const;
    // Writes the bytes exactly as given and returns the file's full path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);

// `count` copies of `line`, each followed by `end`.
std::string Lines(int count, const std::string& line, const std::string& end = "\r\n");

// How many files the process has open, as the system counts them (on Linux); nothing where the
// system does not tell. A reader that leaves a file open on any of its paths shows here.
std::optional<std::size_t> OpenFileCount();
// Of those, the files inside `folder`: what a window's command leaves open of the files it was
// given, whatever descriptors the toolkit's own threads hold at the time.
std::optional<std::size_t> OpenFilesUnder(const std::filesystem::path& folder);

}  // namespace ordavex::test
