#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <utility>

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
    // A missing file is told apart from a missing folder on its path.
    EXPECT_EQ(ErrorNumberForErrno(ENOENT, folder.File("missing.txt")), 53);
    EXPECT_EQ(ErrorNumberForErrno(ENOENT, folder.File("nowhere/missing.txt")), 76);
    // Platform failure, error number.
    const std::pair<int, int> cases[] = {{ENOTDIR, 76}, {EACCES, 70}, {EPERM, 70},       {ELOOP, 52},
                                         {EINVAL, 52},  {ENOSPC, 61}, {EFBIG, 61},       {EIO, 68},
                                         {EISDIR, 52},  {ENOMEM, 7},  {ENAMETOOLONG, 52}};
    for (const auto& [platform, number] : cases) {
        EXPECT_EQ(ErrorNumberForErrno(platform, folder.File("missing.txt")), number) << platform;
    }
}

}  // namespace
}  // namespace ordavex
