// Every matrix shipped in Shared/SuperMatrici must load in the program and keep the guarantee its
// name states; the guarantee is recomputed here, not trusted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "combinations/matrix_file.h"
#include "guarantee/guarantee_checker.h"
#include "guarantee/guarantee_claim.h"
#include "guarantee/guarantee_matrix.h"

namespace ordavex {
namespace {

// The sizes of the matrices shipped before, as scripts/library-sizes.sh wrote them: each is still
// shipped, and a remade matrix never has more lines than the one it replaces.
std::map<std::string, std::size_t> EarlierSizes() {
    std::map<std::string, std::size_t> sizes;
    const char* source = std::getenv("ORDAVEX_SOURCE_DIR");
    if (source == nullptr) {
        return sizes;
    }
    std::ifstream file(std::filesystem::path(source) / "tests" / "core" / "guarantee" / "shipped_sizes.txt");
    std::string name;
    std::size_t lines = 0;
    while (file >> name >> lines) {
        sizes[name] = lines;
    }
    return sizes;
}

// A player plays every line; larger matrices are left out of the library.
constexpr std::size_t kMostLines = 300;

std::vector<std::filesystem::path> ShippedMatrices() {
    const char* source = std::getenv("ORDAVEX_SOURCE_DIR");
    if (source == nullptr) {
        return {};
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(source) / "Shared" / "SuperMatrici")) {
        if (entry.is_regular_file() && entry.path().extension() == ".TXT") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Two-digit numbers separated by single blanks, CR LF between lines and none after the last.
bool InTheProgramsOwnFormat(const std::string& text) {
    static const std::regex kLine("[0-9]{2}( [0-9]{2})*");
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (!std::regex_match(text.substr(start, end == std::string::npos ? std::string::npos : end - start), kLine)) {
            return false;
        }
        if (end == std::string::npos) {
            return true;
        }
        start = end + 2;
    }
}

// A player browsing the library finds each play length in a folder of its own.
std::string FolderOfLength(int length) { return "Combinazioni da " + std::to_string(length) + " numeri"; }

TEST(ShippedMatricesTest, TheLibraryIsThereOneFolderPerLineLength) {
    ASSERT_NE(std::getenv("ORDAVEX_SOURCE_DIR"), nullptr) << "run through ctest, which names the sources";
    std::map<std::string, std::filesystem::path> shipped;
    for (const std::filesystem::path& path : ShippedMatrices()) {
        EXPECT_TRUE(shipped.emplace(path.filename().string(), path).second) << path.filename() << " twice";
    }
    const auto earlierSizes = EarlierSizes();
    for (const auto& [name, size] : earlierSizes) {
        EXPECT_EQ(shipped.count(name), 1U) << name << " is still shipped";
    }
    std::map<int, int> perLength;
    for (const auto& [name, path] : shipped) {
        const int length = std::stoi(name.substr(6, 2));
        ++perLength[length];
        EXPECT_EQ(path.parent_path().filename().string(), FolderOfLength(length)) << name;
        EXPECT_EQ(earlierSizes.count(name), 1U) << name << ": its size is not recorded (scripts/library-sizes.sh)";
    }
    for (int length = 5; length <= 10; ++length) {
        EXPECT_GT(perLength[length], 0) << FolderOfLength(length) << " holds no matrix";
    }
}

TEST(ShippedMatricesTest, EveryMatrixLoadsAndKeepsItsNamedGuarantee) {
    const auto earlierSizes = EarlierSizes();
    for (const std::filesystem::path& path : ShippedMatrices()) {
        const std::string name = path.filename().string();
        const MatrixLoadResult loaded = LoadMatrixFile(path.string());
        ASSERT_EQ(loaded.outcome, MatrixLoadOutcome::Loaded) << name << " does not load (error " << loaded.error << ")";
        const GuaranteeMatrix matrix = ReadGuaranteeMatrix(loaded.matrix.lines);
        EXPECT_TRUE(matrix.consecutive) << name;
        EXPECT_GT(matrix.lines.size(), 1U) << name;
        EXPECT_LE(matrix.lines.size(), kMostLines) << name;
        if (const auto earlier = earlierSizes.find(name); earlier != earlierSizes.end()) {
            EXPECT_LE(matrix.lines.size(), earlier->second) << name << " grew";
        }
        EXPECT_EQ(matrix.numbers, loaded.matrix.numbers) << name;
        EXPECT_TRUE(InTheProgramsOwnFormat(ReadFile(path))) << name;

        const auto claim = ClaimOfNameFields(loaded.matrix.fields);
        ASSERT_TRUE(claim.has_value()) << name << " states no guarantee";
        EXPECT_EQ(matrix.shortestLine, claim->length) << name;
        EXPECT_EQ(matrix.longestLine, claim->length) << name;
        ASSERT_LE(claim->drawn, matrix.numbers) << name;
        // A matrix with fixed numbers promises its guarantee for the draws that hold them.
        const GuaranteeChecker checker(matrix.lines, matrix.numbers, claim->fixed);
        EXPECT_TRUE(checker.LinesHoldTheFixedNumbers()) << name;
        const ClaimResult proof = checker.CheckClaim(claim->points, claim->drawn);
        EXPECT_EQ(proof.status, ClaimStatus::kHolds)
            << name << " misses the draw of " << ::testing::PrintToString(proof.counterexample);
    }
}

}  // namespace
}  // namespace ordavex
