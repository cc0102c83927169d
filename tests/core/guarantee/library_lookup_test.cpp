#include "guarantee/library_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace ordavex {
namespace {

TEST(LibraryLookupTest, GivesTheFilesMadeForExactlyThePlayFromEveryFolderDown) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "Combinazioni da 5 numeri");
    folder.Write("Combinazioni da 5 numeri/MATRIX05_03_V3_N07.TXT", "01 02 03 04 05\r\n03 04 05 06 07");
    folder.Write("MATRIX05_03_V3_N07_F1.TXT", "01 02 03 04 05\r\n01 04 05 06 07");     // fixed numbers
    folder.Write("MATRIX05_03_V2_N07_B2_T3.TXT", "01 02 03 04 05\r\n03 04 05 06 07");  // a budget
    folder.Write("MATRIX05_03_V2_N07.TXT", "01 02 03 04 05\r\n03 04 05 06 07 08");     // a line too long
    folder.Write("MATRIX05_04_V3_N07.TXT", "01 02 03 04 05\r\n03 04 99 06 07");        // unreadable
    const LibraryLookup lookup = LookupInFolders({folder.Path().string(), (folder.Path() / "missing").string()});

    const auto exact = lookup({7, 5, 3, 3});
    ASSERT_EQ(exact.size(), 1U);
    ASSERT_EQ(exact[0].size(), 2U);
    EXPECT_EQ(exact[0][0], NumberMask::FirstNumbers(5));
    EXPECT_TRUE(lookup({7, 5, 3, 2}).empty());
    EXPECT_TRUE(lookup({7, 5, 4, 3}).empty());
    EXPECT_TRUE(lookup({8, 5, 3, 3}).empty());
}

}  // namespace
}  // namespace ordavex
