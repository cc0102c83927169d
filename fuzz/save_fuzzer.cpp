// Saves arbitrary lines under an arbitrary name into a scratch folder, over whatever the input
// puts there first (nothing, a file, a link, a second name of a file, a read-only file), then
// loads the result back as a system and as a matrix under that name. A save either writes exactly
// the expected bytes or fails with a numbered error leaving the folder as it was; nothing else is
// ever left beside the file. The error mapping is fed arbitrary numbers on the way.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

#include "app/error_number.h"
#include "combinations/matrix_file.h"
#include "combinations/matrix_name.h"
#include "combinations/system_file.h"
#include "combinations/system_save.h"

namespace ordavex {
namespace {

namespace fs = std::filesystem;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "finding: %s\n", what);
        std::abort();
    }
}

// Removed when the fuzzer ends, so that runs leave nothing in the temporary folder.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("ordavex_fuzz_save_" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& Folder() {
    static const ScratchFolder folder;
    return folder.Path();
}

void EmptyFolder() {
    for (const auto& entry : fs::directory_iterator(Folder())) {
        std::error_code ignored;
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(entry.path());
    }
}

std::set<std::string> Entries() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder())) names.insert(entry.path().filename().string());
    return names;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file name of the input's first line, without what would leave the folder.
std::string NameOf(std::string_view line) {
    std::string name;
    for (char c : line.substr(0, 300)) {
        if (c != '/' && c != '\\' && c != '\0') name += c;
    }
    return name.empty() || name == "." || name == ".." ? "X" : name;
}

LineList LinesOf(std::string_view text) {
    LineList lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const LineList& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

enum class Before { Nothing, File, Link, SecondName, ReadOnly };

}  // namespace
}  // namespace ordavex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ordavex;
    if (size < 2) return 0;
    (void)ErrorMessage(static_cast<int>(data[0]) * 256 + data[1] - 1000);
    (void)ErrorNumberForErrno(data[1], (Folder() / "x").string());
    const auto before = static_cast<Before>(data[0] % 5);
    const SaveMode mode = (data[0] & 0x80) != 0 ? SaveMode::Append : SaveMode::Overwrite;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto nameEnd = std::min(rest.find('\n'), rest.size());
    const std::string name = NameOf(rest.substr(0, nameEnd));
    const LineList lines = LinesOf(nameEnd < rest.size() ? rest.substr(nameEnd + 1) : std::string_view());

    EmptyFolder();
    const std::string old = "01 02 03 04 05";
    const fs::path chosen = Folder() / name;
    fs::path written = chosen;
    std::error_code error;
    switch (before) {
        case Before::Nothing:
            break;
        case Before::File:
        case Before::ReadOnly:
            Write(chosen, old);
            if (before == Before::ReadOnly) fs::permissions(chosen, fs::perms::owner_read, error);
            break;
        case Before::Link:
            written = Folder() / "target";
            Write(written, old);
            fs::create_symlink(written, chosen, error);
            break;
        case Before::SecondName:
            Write(chosen, old);
            fs::create_hard_link(chosen, Folder() / "second", error);
            break;
    }
    const bool existed = fs::exists(written, error);
    const auto entriesBefore = Entries();
    const std::string path = SaveTargetPath(chosen.string());
    try {
        WriteSystemFile(path, lines, mode);
        Require(before != Before::ReadOnly || !existed, "a read-only file was replaced");
        const std::string target = path == chosen.string() ? written.string() : path;
        const std::string expected =
            (mode == SaveMode::Append && existed && path == chosen.string() ? old + "\r\n" : "") +
            (mode == SaveMode::Append && !(existed && path == chosen.string()) ? "\r\n" : "") + Joined(lines);
        Require(Read(target) == expected, "the saved bytes differ");
        if (before == Before::SecondName && path == chosen.string()) {
            Require(Read(Folder() / "second") == expected, "the second name lost the content");
        }
        auto entriesAfter = Entries();
        entriesAfter.erase(fs::path(target).filename().string());
        auto expectedEntries = entriesBefore;
        expectedEntries.erase(fs::path(target).filename().string());
        Require(entriesAfter == expectedEntries, "a save left something beside the file");
        const SystemLoadResult system = LoadSystemFile(target);
        if (system.outcome == SystemLoadOutcome::Loaded) {
            // A line saved with a lone CR in it loads as two lines: each break took at least one
            // byte of the file, not the two of the CR LF that joins lines here.
            std::size_t loaded = system.lines.empty() ? 0 : system.lines.size() - 1;
            for (const auto& line : system.lines) loaded += line.size();
            Require(loaded <= expected.size(), "a system loaded more than was saved");
        }
        const MatrixLoadResult matrix = LoadMatrixFile(path);
        if (matrix.outcome == MatrixLoadOutcome::Loaded) {
            Require(matrix.matrix.name == MatrixDisplayName(path), "the matrix name differs on the load path");
            Require(matrix.matrix.fields.V == MatrixNameFields(path).V, "the name fields differ on the load path");
            (void)PanelTextsOf(matrix.matrix);
        }
    } catch (const OrdavexError& failure) {
        Require(ErrorMessage(failure.Number()).size() > 0, "an error without a message");
        Require(Entries() == entriesBefore, "a failed save changed the folder");
        if (existed) Require(Read(written) == old, "a failed save changed the old file");
    }
    return 0;
}
