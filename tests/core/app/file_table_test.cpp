#include <gtest/gtest.h>

#include <cstdio>

#include "app/app_state.h"
#include "test_files.h"

namespace ordavex {
namespace {

TEST(FileTable, CloseAllClosesEveryOpenFile) {
    test::TempFolder folder;
    const auto path = folder.Write("a.txt", "1 2 3 4 5");
    FileTable table;
    auto first = table.Open(path, "rb");
    auto second = table.Open(path, "rb");
    ASSERT_TRUE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ(table.OpenCount(), 2u);
    table.CloseAll();
    EXPECT_EQ(table.OpenCount(), 0u);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(first.Stream(), nullptr);
    EXPECT_TRUE(first.Close()) << "closing again after CloseAll is harmless";
}

TEST(FileTable, HandlesCloseThemselvesAndFailuresLeaveNothingOpen) {
    test::TempFolder folder;
    FileTable table;
    {
        auto file = table.Open(folder.Write("a.txt", "x"), "rb");
        EXPECT_EQ(table.OpenCount(), 1u);
        auto moved = std::move(file);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_TRUE(moved.IsOpen());
        EXPECT_EQ(table.OpenCount(), 1u);
    }
    EXPECT_EQ(table.OpenCount(), 0u);
    auto missing = table.Open(folder.File("missing.txt"), "rb");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(table.OpenCount(), 0u);
}

// The readers' tests count the process's open files around every failure; the count must see a file.
TEST(FileTable, TheSystemsCountOfOpenFilesSeesAFileOpenAndClosed) {
    const auto before = test::OpenFileCount();
    if (!before) GTEST_SKIP() << "the system does not tell its open files";
    test::TempFolder folder;
    FileTable table;
    {
        auto file = table.Open(folder.Write("a.txt", "x"), "rb");
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(test::OpenFileCount(), *before + 1);
    }
    EXPECT_EQ(test::OpenFileCount(), before);
}

}  // namespace
}  // namespace ordavex
