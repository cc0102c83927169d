#include "app/safe_file_writer.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#include "app/error_number.h"
#include "app/file_table.h"
#include "app/native_file.h"
#include "app/utf8_path.h"

namespace ordavex {

namespace {

constexpr std::string_view kPendingEnding = ".tmp";
constexpr std::size_t kRandomPartLength = 12;
constexpr int kPendingNameAttempts = 16;
constexpr std::size_t kCopyChunk = 1 << 16;
// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinkHops = 40;
constexpr unsigned kAnyWriteBit = 0222;

std::filesystem::path FileSystemPath(const std::string& path) { return PathFromUtf8(path); }

std::string Utf8Of(const std::filesystem::path& path) { return Utf8FromPath(path); }

std::string FolderOf(const std::string& path) { return Utf8Of(FileSystemPath(path).parent_path()); }
std::string NameOf(const std::string& path) { return Utf8Of(FileSystemPath(path).filename()); }

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : Utf8Of(FileSystemPath(folder) / FileSystemPath(name));
}

bool IsLowerHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string RandomPart() {
    static constexpr char kHex[] = "0123456789abcdef";
    std::random_device source;
    std::string part;
    for (std::size_t i = 0; i < kRandomPartLength; ++i) part += kHex[source() % 16];
    return part;
}

// The file the path leads to once every link at its end is followed; a dangling link leads to
// the file it names, which a save creates.
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        if (!ExaminePath(path).link) return path;
        const std::filesystem::path next = std::filesystem::read_symlink(FileSystemPath(path));
        path = next.is_absolute() ? Utf8Of(next) : Utf8Of(FileSystemPath(path).parent_path() / next);
    }
    throw std::system_error(std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

// The facts of an existing target that a save may replace: a regular file the user may write.
PathFacts WritableTargetFacts(const std::string& target) {
    const PathFacts facts = ExaminePath(target);
    if (!facts.exists) return facts;
    if (!facts.regular) throw OrdavexError(kErrBadFileName);
    if ((facts.mode & kAnyWriteBit) == 0 || !MayWrite(target)) throw OrdavexError(kErrPermissionDenied);
    return facts;
}

// A pending file of `targetName`: one made by PendingFileName, or one of the numbered names
// that earlier versions used.
bool IsPendingFileOf(const std::string& entry, const std::string& targetName, std::size_t longestName) {
    const std::string model = PendingFileName(targetName, std::string(kRandomPartLength, '0'), longestName);
    const std::size_t randomAt = model.size() - kPendingEnding.size() - kRandomPartLength;
    if (entry.size() == model.size() && entry.compare(0, randomAt, model, 0, randomAt) == 0 &&
        entry.ends_with(kPendingEnding) &&
        std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(randomAt),
                    entry.end() - static_cast<std::ptrdiff_t>(kPendingEnding.size()), IsLowerHexDigit)) {
        return true;
    }
    const std::string numbered = targetName + ".";
    return entry.size() > numbered.size() + kPendingEnding.size() && entry.starts_with(numbered) &&
           entry.ends_with(kPendingEnding) &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(numbered.size()),
                       entry.end() - static_cast<std::ptrdiff_t>(kPendingEnding.size()), IsDigit);
}

// Removes what an interrupted save left; a failure here never stops the save.
void RemoveLeftPendingFiles(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string name = NameOf(target);
    const std::size_t longest = LongestNameIn(folder);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(FileSystemPath(folder.empty() ? "." : folder), error), end;
         !error && entry != end; entry.increment(error)) {
        if (!IsPendingFileOf(Utf8Of(entry->path().filename()), name, longest)) continue;
        std::error_code ignored;
        if (!entry->is_directory(ignored)) std::filesystem::remove(entry->path(), ignored);
    }
}

struct PendingFile {
    NativeFile file;
    std::string path;
};

PendingFile CreatePendingFile(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::size_t longest = LongestNameIn(folder);
    for (int attempt = 1;; ++attempt) {
        const std::string path = InFolder(folder, PendingFileName(NameOf(target), RandomPart(), longest));
        try {
            return {NativeFile::CreateNew(path), path};
        } catch (const std::system_error& error) {
            if (error.code() != std::errc::file_exists || attempt == kPendingNameAttempts) throw;
        }
    }
}

void CopyInto(const std::string& from, NativeFile& to) {
    FileTable files;
    OpenFile old = files.Open(from, "rb");
    if (!old.IsOpen()) throw std::system_error(errno != 0 ? errno : EIO, std::generic_category());
    std::vector<char> buffer(kCopyChunk);
    while (true) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), old.Stream());
        to.Write(std::string_view(buffer.data(), got));
        if (got < buffer.size()) {
            if (std::ferror(old.Stream()) != 0) throw std::system_error(EIO, std::generic_category());
            if (std::feof(old.Stream()) != 0) return;
        }
    }
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove(FileSystemPath(path), ignored);
}

// A second name, of a pending file's pattern, for the old file, so that it can take its place
// again if the rename cannot be made to last; empty where the file system has no second names
// (a crash leaves the name to the next save's cleaning).
std::string KeepOldFile(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string kept = InFolder(folder, PendingFileName(NameOf(target), RandomPart(), LongestNameIn(folder)));
    std::error_code error;
    std::filesystem::create_hard_link(FileSystemPath(target), FileSystemPath(kept), error);
    return error ? std::string() : kept;
}

// Undoes a rename whose folder could not be flushed: the old file, or no file when there was
// none, is what the user finds, since what the disk holds of the folder is not known.
void PutOldFileBack(const std::string& target, const PathFacts& old, const std::string& kept) {
    std::error_code ignored;
    if (!kept.empty()) {
        std::filesystem::rename(FileSystemPath(kept), FileSystemPath(target), ignored);
    } else if (!old.exists) {
        std::filesystem::remove(FileSystemPath(target), ignored);
    }
}

void WriteThroughPendingFile(const std::string& target, const PathFacts& old, std::string_view text, SaveMode mode,
                             SaveSteps& steps) {
    PendingFile pending = CreatePendingFile(target);
    std::string kept;
    try {
        if (mode == SaveMode::Append && old.exists) CopyInto(target, pending.file);
        pending.file.Write(text);
        if (old.exists) {
            pending.file.TakeModeAndOwnerOf(target);
        } else {
            pending.file.TakeDefaultMode();
        }
        steps.SyncFile(pending.file, pending.path);
        pending.file.Close();
        if (old.exists) kept = KeepOldFile(target);
        steps.Rename(pending.path, target);
    } catch (...) {
        RemoveQuietly(pending.path);
        RemoveQuietly(kept);
        throw;
    }
    try {
        steps.SyncFolder(FolderOf(target));
    } catch (...) {
        PutOldFileBack(target, old, kept);
        throw;
    }
    RemoveQuietly(kept);
}

// Every name of a file with several names must keep showing the new content, which a rename
// would give to one name only.
void WriteInPlace(const std::string& target, const PathFacts& old, std::string_view text, SaveMode mode,
                  SaveSteps& steps) {
    NativeFile file = NativeFile::OpenForUpdate(target);
    const std::uintmax_t oldSize = old.size;
    const std::uintmax_t keep = mode == SaveMode::Append ? oldSize : std::min<std::uintmax_t>(oldSize, text.size());
    const std::string_view head = mode == SaveMode::Append ? std::string_view() : text.substr(0, keep);
    const std::string_view tail = mode == SaveMode::Append ? text : text.substr(keep);
    try {
        file.WriteAt(oldSize, tail);
    } catch (...) {
        try {
            file.Truncate(oldSize);
        } catch (const std::system_error&) {
        }
        throw;
    }
    file.WriteAt(0, head);
    if (mode == SaveMode::Overwrite && text.size() < oldSize) file.Truncate(text.size());
    steps.SyncFile(file, target);
    file.Close();
}

int ErrorNumberOf(const std::system_error& error, const std::string& path) {
    return ErrorNumberForSystemError(error.code(), path);
}

}  // namespace

std::uintmax_t ReplaceableFileLength(const std::string& path) {
    try {
        return WritableTargetFacts(FollowLinks(path)).size;
    } catch (const std::system_error& error) {
        throw OrdavexError(ErrorNumberOf(error, path));
    }
}

std::string PendingFileName(const std::string& targetName, const std::string& randomPart, std::size_t longestName) {
    const std::size_t fixed = 2 + randomPart.size() + kPendingEnding.size();
    std::size_t keep = std::min(targetName.size(), longestName > fixed ? longestName - fixed : 0);
    // A cut inside a character written in several bytes would make a name the system refuses.
    while (keep > 0 && keep < targetName.size() && (static_cast<unsigned char>(targetName[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    return "." + targetName.substr(0, keep) + "." + randomPart + std::string(kPendingEnding);
}

void WriteFileSafely(const std::string& path, std::string_view text, SaveMode mode) {
    SaveSteps steps;
    WriteFileSafely(path, text, mode, steps);
}

void WriteFileSafely(const std::string& path, std::string_view text, SaveMode mode, SaveSteps& steps) {
    try {
        const std::string target = FollowLinks(path);
        WritableTargetFacts(target);
        RemoveLeftPendingFiles(target);
        // Examined again: a second name left by an interrupted save is gone now.
        const PathFacts old = WritableTargetFacts(target);
        if (old.exists && old.hardLinks > 1) {
            WriteInPlace(target, old, text, mode, steps);
        } else {
            WriteThroughPendingFile(target, old, text, mode, steps);
        }
    } catch (const std::system_error& error) {
        throw OrdavexError(ErrorNumberOf(error, path));
    }
}

}  // namespace ordavex
