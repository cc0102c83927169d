#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "app/error_number.h"
#include "test_files.h"

namespace ordavex {
namespace {

TEST(ErrorMessage, NumbersOutsideTheTableNameTheNumber) {
    EXPECT_EQ(ErrorMessage(70), "Si è verificato l' errore: 70");
    EXPECT_EQ(ErrorMessage(0), "Si è verificato l' errore: 0");
    EXPECT_EQ(ErrorMessage(-5), "Si è verificato l' errore: -5");
    EXPECT_EQ(OrdavexError(53).Number(), 53);
    EXPECT_STREQ(OrdavexError(53).what(), "File non trovato ..!");
}

TEST(ErrorNumberForSystemError, MapsPlatformFailuresToTheTable) {
    test::TempFolder folder;
    const auto inExistingFolder = folder.File("missing.txt");
    const auto inMissingFolder = folder.File("nowhere/missing.txt");
    EXPECT_EQ(ErrorNumberForErrno(ENOENT, inExistingFolder), 53);
    EXPECT_EQ(ErrorNumberForErrno(ENOENT, inMissingFolder), 76);
    EXPECT_EQ(ErrorNumberForErrno(ENOTDIR, inExistingFolder), 76);
    EXPECT_EQ(ErrorNumberForErrno(EACCES, inExistingFolder), 70);
    EXPECT_EQ(ErrorNumberForErrno(EPERM, inExistingFolder), 70);
    EXPECT_EQ(ErrorNumberForErrno(ELOOP, inExistingFolder), 52);
    EXPECT_EQ(ErrorNumberForErrno(EINVAL, inExistingFolder), 52);
    EXPECT_EQ(ErrorNumberForErrno(ENOSPC, inExistingFolder), 61);
    EXPECT_EQ(ErrorNumberForErrno(EFBIG, inExistingFolder), 61);
    EXPECT_EQ(ErrorNumberForErrno(EIO, inExistingFolder), 68);
    EXPECT_EQ(ErrorNumberForErrno(EISDIR, inExistingFolder), 52);
    EXPECT_EQ(ErrorNumberForErrno(ENAMETOOLONG, inExistingFolder), 52);
    EXPECT_EQ(ErrorNumberForErrno(ENOMEM, inExistingFolder), 7);
}

}  // namespace
}  // namespace ordavex
