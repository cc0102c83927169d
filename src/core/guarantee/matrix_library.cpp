#include "guarantee/matrix_library.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "app/utf8_path.h"
#include "combinations/matrix_name.h"
#include "guarantee/guarantee_claim.h"

namespace ordavex {

namespace {

constexpr const char* kMatrixExtension = ".TXT";
// A name's marks are short: more digits cannot be a count of lines or numbers.
constexpr std::size_t kMostMarkDigits = 6;

// The digits right after `mark` in the name ("_N" in "..._N20.TXT" gives 20), or none.
std::optional<std::uint64_t> NumberAfter(const std::string& name, const std::string& mark) {
    const auto at = name.find(mark);
    if (at == std::string::npos) return std::nullopt;
    std::size_t end = at + mark.size();
    std::uint64_t value = 0;
    while (end < name.size() && name[end] >= '0' && name[end] <= '9' && end - at - mark.size() < kMostMarkDigits) {
        value = value * 10 + static_cast<std::uint64_t>(name[end] - '0');
        ++end;
    }
    if (end == at + mark.size()) return std::nullopt;
    return value;
}

std::string Capitalised(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

bool IsMatrixFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && Capitalised(entry.path().extension().string()) == kMatrixExtension;
}

// The lines holding a number, and the largest number, of a matrix file; none when it cannot be read.
struct ContentFacts {
    std::uint64_t lines = 0;
    int largestNumber = 0;
};

std::optional<ContentFacts> ReadContentFacts(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    ContentFacts facts;
    std::string line;
    while (std::getline(file, line)) {
        int number = 0;
        bool lineHasNumber = false;
        for (const char c : line) {
            if (c >= '0' && c <= '9') {
                number = std::min(number * 10 + (c - '0'), 1000);
                lineHasNumber = true;
                continue;
            }
            facts.largestNumber = std::max(facts.largestNumber, number);
            number = 0;
        }
        facts.largestNumber = std::max(facts.largestNumber, number);
        if (lineHasNumber) ++facts.lines;
    }
    if (file.bad()) return std::nullopt;
    return facts;
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::optional<std::uint64_t> MatrixFileLineCount(const std::string& path) {
    const auto facts = ReadContentFacts(PathFromUtf8(path));
    if (!facts) return std::nullopt;
    return facts->lines;
}

std::optional<LibraryMatrix> PlayOfMatrixName(const std::string& path) {
    const auto claim = ClaimOfMatrixName(path);
    if (!claim) return std::nullopt;
    LibraryMatrix matrix;
    matrix.path = path;
    matrix.name = FileNameOfPath(path);
    matrix.play = {static_cast<int>(NumberAfter(matrix.name, "_N").value_or(0)), claim->length, claim->fixed,
                   claim->drawn, claim->points};
    matrix.budget = static_cast<std::uint64_t>(claim->budget);
    matrix.aimedPoints = claim->aimedPoints;
    return matrix;
}

MatrixLibrary MatrixLibrary::OfFolders(const std::vector<std::string>& folders) {
    std::vector<LibraryMatrix> matrices;
    std::set<std::filesystem::path> seen;
    for (const std::string& folder : folders) {
        std::error_code error;
        const auto options = std::filesystem::directory_options::skip_permission_denied;
        std::filesystem::recursive_directory_iterator entry(PathFromUtf8(folder), options, error);
        for (const std::filesystem::recursive_directory_iterator end; !error && entry != end; entry.increment(error)) {
            if (!IsMatrixFile(*entry)) continue;
            std::error_code canonicalError;
            const auto canonical = std::filesystem::weakly_canonical(entry->path(), canonicalError);
            if (!seen.insert(canonicalError ? entry->path() : canonical).second) continue;
            auto matrix = PlayOfMatrixName(Utf8(entry->path()));
            const auto facts = matrix ? ReadContentFacts(entry->path()) : std::nullopt;
            if (!facts || facts->lines == 0) continue;
            matrix->lines = facts->lines;
            // What the program will load decides N, whatever the name says.
            matrix->play.numbers = facts->largestNumber;
            matrices.push_back(std::move(*matrix));
        }
    }
    return MatrixLibrary(std::move(matrices));
}

std::vector<LibraryMatrix> MatrixLibrary::OfNumbersAndLength(int numbers, int length) const {
    std::vector<LibraryMatrix> found;
    std::copy_if(matrices_.begin(), matrices_.end(), std::back_inserter(found),
                 [&](const LibraryMatrix& m) { return m.play.numbers == numbers && m.play.length == length; });
    return found;
}

std::optional<LibraryMatrix> MatrixLibrary::Smallest(const MatrixPlay& play) const {
    std::optional<LibraryMatrix> smallest;
    for (const LibraryMatrix& matrix : matrices_) {
        if (matrix.play == play && (!smallest || matrix.lines < smallest->lines)) smallest = matrix;
    }
    return smallest;
}

}  // namespace ordavex
