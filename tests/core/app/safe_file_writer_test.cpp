#include "app/safe_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/utf8_path.h"
#include "test_files.h"

namespace ordavex {
namespace {

std::string ReadBack(const std::string& path) {
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::size_t EntriesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(PathFromUtf8(folder)), {}));
}

// Names a player may give on any platform: accents in the folder and the file, and a name as long
// as the pending file beside it can still take.
TEST(WriteFileSafely, ReplacesFilesWithAccentedAndLongNamesLeavingNothingBeside) {
    test::TempFolder root;
    const std::string folder = Utf8FromPath(root.Path()) + "/Città è più";
    std::filesystem::create_directories(PathFromUtf8(folder));
    const std::string names[] = {"SISTEMA DI NICOLÒ.TXT", std::string(200, 'L') + ".TXT"};
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        WriteFileSafely(path, "first;text\r\n", SaveMode::Overwrite);
        EXPECT_EQ(ReadBack(path), "first;text\r\n") << name;
        EXPECT_EQ(ReplaceableFileLength(path), 12U) << name;
        WriteFileSafely(path, "second", SaveMode::Overwrite);
        WriteFileSafely(path, "+third", SaveMode::Append);
        EXPECT_EQ(ReadBack(path), "second+third") << name;
    }
    EXPECT_EQ(EntriesIn(folder), 2U) << "no pending file is left beside the files";
}

}  // namespace
}  // namespace ordavex
