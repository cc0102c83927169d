#include <gtest/gtest.h>

#include <filesystem>

#include "app/error_number.h"
#include "brute_force_cover.h"
#include "guarantee/kept_matrix.h"
#include "guarantee/matrix_library.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::TempFolder;

TEST(PlayOfMatrixName, ReadsThePlayAndTheMarksOfTheName) {
    const auto plain = PlayOfMatrixName("dir/MATRIX10_08_V6_N20.TXT");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->play, (MatrixPlay{20, 10, 0, 8, 6}));
    EXPECT_EQ(plain->budget, 0u);

    const auto fixedAndBudget = PlayOfMatrixName("dir\\matrix10_08_v5_n18_f2_b40_t6.txt");
    ASSERT_TRUE(fixedAndBudget);
    EXPECT_EQ(fixedAndBudget->name, "MATRIX10_08_V5_N18_F2_B40_T6.TXT");
    EXPECT_EQ(fixedAndBudget->play, (MatrixPlay{18, 10, 2, 8, 5}));
    EXPECT_EQ(fixedAndBudget->budget, 40u);
    EXPECT_EQ(fixedAndBudget->aimedPoints, 6);

    EXPECT_FALSE(PlayOfMatrixName("MIO_SISTEMA.TXT")) << "no guarantee in the name";
    EXPECT_FALSE(PlayOfMatrixName("MATRIXAB_08_V6.TXT"));
}

TEST(MatrixLibrary, ListsTheMatricesOfEveryFolderOnceWithTheirLinesAndNumbers) {
    TempFolder shipped;
    TempFolder own;
    std::filesystem::create_directories(shipped.Path() / "10");
    shipped.Write("10/MATRIX10_08_V6_N12.TXT", "1 2 3 4 5 6 7 8 9 10\r\n3 4 5 6 7 8 9 10 11 12\r\n");
    shipped.Write("10/MATRIX10_08_V6_N12_OLD.TXT",
                  "1 2 3 4 5 6 7 8 9 10\r\n\r\n3 4 5 6 7 8 9 10 11 12\r\n1 2 3 4 5 6 7 8 11 12");
    shipped.Write("NOTE.TXT", "1 2 3 4 5");
    shipped.Write("MATRIX10_08_V6_N12.DOC", "1 2 3");
    // The name says 14 numbers; what the program loads, the lines, says 13.
    own.Write("matrix10_07_v5_n14.txt", "1 2 3 4 5 6 7 8 9 13\n4 5 6 7 8 9 10 11 12 13\n");
    own.Write("MATRIX10_07_V5_N12.TXT", "");

    const auto library =
        MatrixLibrary::OfFolders({shipped.Path().string(), own.Path().string(), shipped.Path().string() + "/",
                                  (shipped.Path() / "missing").string()});
    ASSERT_EQ(library.Matrices().size(), 3u) << "the folder given twice counts once, empty and other files none";
    const auto twelve = library.OfNumbersAndLength(12, 10);
    ASSERT_EQ(twelve.size(), 2u);
    const auto smallest = library.Smallest({12, 10, 0, 8, 6});
    ASSERT_TRUE(smallest);
    EXPECT_EQ(smallest->lines, 2u);
    EXPECT_EQ(smallest->name, "MATRIX10_08_V6_N12.TXT");
    const auto own13 = library.OfNumbersAndLength(13, 10);
    ASSERT_EQ(own13.size(), 1u);
    EXPECT_EQ(own13[0].play, (MatrixPlay{13, 10, 0, 7, 5}));
    EXPECT_FALSE(library.Smallest({12, 10, 1, 8, 6})) << "another play: with a fixed number";
}

using test::MasksOf;

TEST(KeepMatrixInFolder, NeverReplacesAMatrixOfAsFewLinesOrFewer) {
    TempFolder folder;
    const auto two = MasksOf({{1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}});
    const auto three = MasksOf({{1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}, {1, 2, 6, 7, 8}});
    const auto openBefore = test::OpenFileCount();

    const KeptMatrix first = KeepMatrixInFolder(folder.Path().string(), "MATRIX05_03_V3_N08.TXT", three);
    EXPECT_FALSE(first.keptEarlier);
    EXPECT_EQ(first.lines, 3u);
    EXPECT_EQ(test::ReadBytes(first.path), "01 02 03 04 05\r\n04 05 06 07 08\r\n01 02 06 07 08");

    const KeptMatrix smaller = KeepMatrixInFolder(folder.Path().string() + "/", "MATRIX05_03_V3_N08.TXT", two);
    EXPECT_FALSE(smaller.keptEarlier) << "a smaller matrix replaces a larger one";
    EXPECT_EQ(smaller.path, first.path);
    EXPECT_EQ(test::ReadBytes(smaller.path), "01 02 03 04 05\r\n04 05 06 07 08");

    for (const auto& lines : {two, three}) {
        const KeptMatrix kept = KeepMatrixInFolder(folder.Path().string(), "MATRIX05_03_V3_N08.TXT", lines);
        EXPECT_TRUE(kept.keptEarlier) << lines.size();
        EXPECT_EQ(kept.lines, 2u);
        EXPECT_EQ(test::ReadBytes(kept.path), "01 02 03 04 05\r\n04 05 06 07 08");
    }
    EXPECT_EQ(test::OpenFileCount(), openBefore);
}

TEST(KeepMatrixInFolder, MakesAMissingFolderAndReportsOneThatCannotBe) {
    TempFolder folder;
    const std::string missing = (folder.Path() / "new" / "folder").string() + "/";
    const KeptMatrix kept = KeepMatrixInFolder(missing, "MATRIX05_03_V3_N08.TXT", MasksOf({{1, 2, 3, 4, 5}}));
    EXPECT_EQ(test::ReadBytes(kept.path), "01 02 03 04 05");
    // A folder cannot be made inside a file.
    const std::string blocked = folder.Write("file", "x") + "/folder";
    EXPECT_THROW(KeepMatrixInFolder(blocked, "MATRIX05_03_V3_N08.TXT", MasksOf({{1, 2, 3, 4, 5}})), OrdavexError);
    EXPECT_EQ(test::ReadBytes(folder.File("file")), "x");
}

}  // namespace
}  // namespace ordavex
