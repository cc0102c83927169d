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

// The sizes of the matrices shipped before the generator last improved: each is still shipped, and
// a remade matrix never has more lines than the one it replaces.
const std::map<std::string, std::size_t> kEarlierSizes = {
    {"MATRIX06_05_V3_N24.TXT", 36},  {"MATRIX06_06_V4_N15.TXT", 19},  {"MATRIX07_06_V4_N16.TXT", 13},
    {"MATRIX08_06_V4_N20.TXT", 21},  {"MATRIX09_07_V5_N18.TXT", 18},  {"MATRIX09_08_V6_N20.TXT", 90},
    {"MATRIX10_07_V5_N12.TXT", 2},   {"MATRIX10_07_V5_N14.TXT", 3},   {"MATRIX10_07_V5_N15.TXT", 3},
    {"MATRIX10_07_V5_N16.TXT", 4},   {"MATRIX10_07_V5_N18.TXT", 8},   {"MATRIX10_07_V5_N20.TXT", 19},
    {"MATRIX10_07_V5_N22.TXT", 34},  {"MATRIX10_07_V5_N24.TXT", 56},  {"MATRIX10_07_V5_N25.TXT", 71},
    {"MATRIX10_07_V5_N27.TXT", 111}, {"MATRIX10_07_V5_N30.TXT", 206}, {"MATRIX10_07_V6_N12.TXT", 4},
    {"MATRIX10_08_V5_N12.TXT", 2},   {"MATRIX10_08_V5_N14.TXT", 3},   {"MATRIX10_08_V5_N15.TXT", 3},
    {"MATRIX10_08_V5_N16.TXT", 3},   {"MATRIX10_08_V5_N18.TXT", 5},   {"MATRIX10_08_V5_N20.TXT", 7},
    {"MATRIX10_08_V5_N22.TXT", 18},  {"MATRIX10_08_V5_N24.TXT", 28},  {"MATRIX10_08_V5_N25.TXT", 35},
    {"MATRIX10_08_V5_N27.TXT", 56},  {"MATRIX10_08_V5_N30.TXT", 127}, {"MATRIX10_08_V6_N12.TXT", 2},
    {"MATRIX10_08_V6_N14.TXT", 3},   {"MATRIX10_08_V6_N15.TXT", 3},   {"MATRIX10_08_V6_N16.TXT", 7},
    {"MATRIX10_08_V6_N18.TXT", 20},  {"MATRIX10_08_V6_N20.TXT", 38},  {"MATRIX10_08_V6_N22.TXT", 86},
    {"MATRIX10_08_V6_N24.TXT", 163}, {"MATRIX10_08_V6_N25.TXT", 221}, {"MATRIX10_08_V7_N15.TXT", 25},
    {"MATRIX10_09_V6_N12.TXT", 2},   {"MATRIX10_09_V6_N14.TXT", 3},   {"MATRIX10_09_V6_N15.TXT", 3},
    {"MATRIX10_09_V6_N16.TXT", 3},   {"MATRIX10_09_V6_N18.TXT", 7},   {"MATRIX10_09_V6_N20.TXT", 20},
    {"MATRIX10_09_V6_N22.TXT", 40},  {"MATRIX10_09_V6_N24.TXT", 74},  {"MATRIX10_09_V6_N25.TXT", 100},
    {"MATRIX10_09_V6_N27.TXT", 173}, {"MATRIX10_10_V6_N12.TXT", 2},   {"MATRIX10_10_V6_N14.TXT", 2},
    {"MATRIX10_10_V6_N15.TXT", 3},   {"MATRIX10_10_V6_N16.TXT", 3},   {"MATRIX10_10_V6_N18.TXT", 4},
    {"MATRIX10_10_V6_N20.TXT", 6},   {"MATRIX10_10_V6_N22.TXT", 20},  {"MATRIX10_10_V6_N24.TXT", 38},
    {"MATRIX10_10_V6_N25.TXT", 51},  {"MATRIX10_10_V6_N27.TXT", 87},  {"MATRIX10_10_V7_N12.TXT", 2},
    {"MATRIX10_10_V7_N14.TXT", 3},   {"MATRIX10_10_V7_N15.TXT", 3},   {"MATRIX10_10_V7_N16.TXT", 5},
    {"MATRIX10_10_V7_N18.TXT", 17},  {"MATRIX10_10_V7_N20.TXT", 41},  {"MATRIX10_10_V7_N22.TXT", 102},
    {"MATRIX10_10_V7_N24.TXT", 236},
};
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
    for (const auto& [name, size] : kEarlierSizes) {
        EXPECT_EQ(shipped.count(name), 1U) << name << " is still shipped";
    }
    std::map<int, int> perLength;
    for (const auto& [name, path] : shipped) {
        const int length = std::stoi(name.substr(6, 2));
        ++perLength[length];
        EXPECT_EQ(path.parent_path().filename().string(), FolderOfLength(length)) << name;
    }
    for (int length = 5; length <= 10; ++length) {
        EXPECT_GT(perLength[length], 0) << FolderOfLength(length) << " holds no matrix";
    }
}

TEST(ShippedMatricesTest, EveryMatrixLoadsAndKeepsItsNamedGuarantee) {
    for (const std::filesystem::path& path : ShippedMatrices()) {
        const std::string name = path.filename().string();
        const MatrixLoadResult loaded = LoadMatrixFile(path.string());
        ASSERT_EQ(loaded.outcome, MatrixLoadOutcome::Loaded) << name << " does not load (error " << loaded.error << ")";
        const GuaranteeMatrix matrix = ReadGuaranteeMatrix(loaded.matrix.lines);
        EXPECT_TRUE(matrix.consecutive) << name;
        EXPECT_GT(matrix.lines.size(), 1U) << name;
        EXPECT_LE(matrix.lines.size(), kMostLines) << name;
        if (const auto earlier = kEarlierSizes.find(name); earlier != kEarlierSizes.end()) {
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
