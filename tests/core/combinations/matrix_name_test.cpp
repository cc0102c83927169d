#include <gtest/gtest.h>

#include <string>

#include "combinations/matrix_name.h"

namespace ordavex {
namespace {

TEST(FileNameOfPath, TakesTheLastComponentInCapitals) {
    EXPECT_EQ(FileNameOfPath("C:\\Matrici\\matrix10_08_v6.txt"), "MATRIX10_08_V6.TXT");
    EXPECT_EQ(FileNameOfPath("/home/user/Shared/SuperMatrici/m.txt"), "M.TXT");
    EXPECT_EQ(FileNameOfPath("mixed/folder\\name.txt"), "NAME.TXT");
    EXPECT_EQ(FileNameOfPath("solo"), "SOLO");
    EXPECT_EQ(FileNameOfPath("folder/"), "");
    EXPECT_EQ(FileNameOfPath("/f/città_più.txt"), "CITTÀ_PIÙ.TXT");
}

TEST(MatrixNameFields, ReadsTheGuaranteeFromTheFileNameAlone) {
    const struct {
        const char* path;
        NameFields fields;
        const char* caption;
    } cases[] = {
        {"/m/MATRIX10_08_V6.TXT", {"NO", "6", "10", "08"}, "Garanzia di  6/10  con  8 estratti"},
        {"/m/matrix10_08_v6.txt", {"NO", "6", "10", "08"}, "Garanzia di  6/10  con  8 estratti"},
        {"/m/MATRIX06_10_V5_F2.TXT", {"2", "5", "06", "10"}, "Garanzia di  5/6  con  10 estratti"},
        {"/m/MATRIX10_09.TXT", {"NO", "1", "10", "09"}, "Garanzia di  1/10  con  9 estratti"},
        {"/Vault/Folder/MATRIX10_07_V5.TXT", {"NO", "5", "10", "07"}, "Garanzia di  5/10  con  7 estratti"},
        {"C:\\F\\V\\MATRIX10_07_V5.TXT", {"NO", "5", "10", "07"}, "Garanzia di  5/10  con  7 estratti"},
        {"/m/SHORT.TXT", {"NO", "1", "TX", ""}, "Garanzia non indicata nel nome"},
        {"/m/MAT", {"NO", "1", "", ""}, "Garanzia non indicata nel nome"},
        {"/m/MATRIXAB_08_V6.TXT", {"NO", "6", "AB", "08"}, "Garanzia non indicata nel nome"},
        {"/m/MATRIX10_08_VX.TXT", {"NO", "X", "10", "08"}, "Garanzia non indicata nel nome"},
        {"/m/MATRIX1+_08_V6.TXT", {"NO", "6", "1+", "08"}, "Garanzia non indicata nel nome"},
        {"/m/MATRIX10_08_V", {"NO", "", "10", "08"}, "Garanzia non indicata nel nome"},
        {"/m/MATRIX00_00_V0.TXT", {"NO", "0", "00", "00"}, "Garanzia di  0/0  con  0 estratti"},
    };
    for (const auto& c : cases) {
        const NameFields fields = MatrixNameFields(c.path);
        EXPECT_EQ(fields.F, c.fields.F) << c.path;
        EXPECT_EQ(fields.V, c.fields.V) << c.path;
        EXPECT_EQ(fields.A, c.fields.A) << c.path;
        EXPECT_EQ(fields.B, c.fields.B) << c.path;
        EXPECT_EQ(GuaranteeCaption(fields), c.caption) << c.path;
    }
}

TEST(MatrixDisplayName, DropsEveryTxtEnding) {
    EXPECT_EQ(MatrixDisplayName("/m/matrix10_08_v6.txt"), "MATRIX10_08_V6");
    EXPECT_EQ(MatrixDisplayName("/m/a.txt.TXT"), "A");
    EXPECT_EQ(MatrixDisplayName("/m/A.TX"), "A.TX");
    EXPECT_EQ(MatrixDisplayName("/folder.txt/B"), "B");
}

}  // namespace
}  // namespace ordavex
