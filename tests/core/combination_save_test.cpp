#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/error_number.h"
#include "combinations/system_file.h"
#include "combinations/system_save.h"
#include "test_files.h"

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#define ORDAVEX_CAN_LIMIT_FILE_SIZE 1
#endif

namespace ordavex {
namespace {

TEST(WithCapitalFileName, CapitalisesTheFileNameOnly) {
    EXPECT_EQ(WithCapitalFileName("/home/anna/Sistemi/nuovo.txt"), "/home/anna/Sistemi/NUOVO.TXT");
    EXPECT_EQ(WithCapitalFileName("C:\\Giochi\\old.txt"), "C:\\Giochi\\OLD.TXT");
    EXPECT_EQ(WithCapitalFileName("rel/dir.txt/file"), "rel/dir.txt/FILE");
    EXPECT_EQ(WithCapitalFileName("plain.txt"), "PLAIN.TXT");
}

TEST(SavedFileLength, ZeroForANewOrEmptyFileWithoutCreatingIt) {
    test::TempFolder folder;
    EXPECT_EQ(SavedFileLength(folder.File("NEW.TXT")), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.File("NEW.TXT")));
    EXPECT_EQ(SavedFileLength(folder.Write("EMPTY.TXT", "")), 0u);
    EXPECT_EQ(SavedFileLength(folder.Write("DATA.TXT", "1 2 3 4 5")), 9u);
    try {
        SavedFileLength(folder.Path().string());
        ADD_FAILURE() << "a folder has no length to save into";
    } catch (const OrdavexError& error) {
        EXPECT_EQ(error.Number(), kErrBadFileName);
    }
}

struct WriteCase {
    const char* name;
    std::string before;  // empty: no file yet
    LineList lines;
    SaveMode mode;
    std::string after;
};

TEST(WriteSystemFile, WritesTheExactBytes) {
    const WriteCase cases[] = {
        {"one line, no line end", "", {"01 02 03 04 05"}, SaveMode::Overwrite, "01 02 03 04 05"},
        {"CR LF between lines only", "", {"1 2 3 4 5", "6 7 8 9 10", "11 12 13 14 15"}, SaveMode::Overwrite,
         "1 2 3 4 5\r\n6 7 8 9 10\r\n11 12 13 14 15"},
        {"overwrite replaces", "old old old\r\nold", {"1 2 3 4 5"}, SaveMode::Overwrite, "1 2 3 4 5"},
        {"append writes one CR LF first", "a\r\nb", {"c", "d"}, SaveMode::Append, "a\r\nb\r\nc\r\nd"},
        {"append after a line end still adds one", "a\r\n", {"c"}, SaveMode::Append, "a\r\n\r\nc"},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        FileTable files;
        const auto path = folder.File("SYSTEM.TXT");
        std::filesystem::remove(path);
        if (!c.before.empty()) folder.Write("SYSTEM.TXT", c.before);
        WriteSystemFile(files, path, c.lines, c.mode);
        EXPECT_EQ(test::ReadBytes(path), c.after) << c.name;
        EXPECT_EQ(files.OpenCount(), 0u) << c.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
            << c.name << ": nothing is left beside the file";
    }
}

TEST(WriteSystemFile, SavedAndAppendedTwiceLoadsBackAsOneList) {
    test::TempFolder folder;
    FileTable files;
    const auto path = folder.File("LISTA.TXT");
    const LineList first{"01 02 03 04 05", "1 2 3 4 5", "7 6 5 4 3", "10 20 30 40 50", "1 2 3 4 5 6 7 8 9 10"};
    const LineList second{"11 12 13 14 15", "16 17 18 19 20", "21 22 23 24 25"};
    WriteSystemFile(files, path, first, SaveMode::Overwrite);
    WriteSystemFile(files, path, second, SaveMode::Append);
    WriteSystemFile(files, path, second, SaveMode::Append);
    const auto loaded = LoadSystemFile(files, path);
    ASSERT_EQ(loaded.outcome, SystemLoadOutcome::Loaded);
    LineList expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(loaded.lines, expected);
    const auto bytes = test::ReadBytes(path);
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos) << "no empty line between the parts";
    EXPECT_NE(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(WriteSystemFile, AnUnreachableFolderIsReportedAndWritesNothing) {
    test::TempFolder folder;
    const auto notAFolder = folder.Write("PLAIN", "x");
    FileTable files;
    try {
        WriteSystemFile(files, notAFolder + "/NEW.TXT", {"1 2 3 4 5"}, SaveMode::Overwrite);
        ADD_FAILURE() << "wrote below a file";
    } catch (const OrdavexError& error) {
        EXPECT_EQ(error.Number(), kErrPathNotFound);
    }
    EXPECT_EQ(test::ReadBytes(notAFolder), "x");
    EXPECT_EQ(files.OpenCount(), 0u);
}

#ifdef ORDAVEX_CAN_LIMIT_FILE_SIZE
// Lets no file grow beyond a size while it lives, so that a write fails part way, for every user
// (root included, whom permissions do not stop).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool Applied() const { return applied_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool applied_ = false;
};

TEST(WriteSystemFile, AFailingWriteLeavesTheOldFileIntact) {
    test::TempFolder folder;
    const std::string old = "01 02 03 04 05\r\n06 07 08 09 10";
    const auto path = folder.Write("OLD.TXT", old);
    LineList big(100000, "01 02 03 04 05 06 07 08 09 10");
    for (SaveMode mode : {SaveMode::Overwrite, SaveMode::Append}) {
        FileTable files;
        int error = 0;
        {
            FileSizeLimit limit(64 * 1024);
            ASSERT_TRUE(limit.Applied());
            try {
                WriteSystemFile(files, path, big, mode);
            } catch (const OrdavexError& failure) {
                error = failure.Number();
            }
        }
        EXPECT_EQ(error, kErrDiskFull) << "the file could not grow";
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no partial file left";
        EXPECT_EQ(files.OpenCount(), 0u);
    }
}

TEST(WriteSystemFile, AFolderThatRefusesNewFilesLeavesTheOldFileIntact) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser; the size limit test covers this";
    test::TempFolder folder;
    const auto path = folder.Write("OLD.TXT", "1 2 3 4 5");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    FileTable files;
    int error = 0;
    try {
        WriteSystemFile(files, path, {"6 7 8 9 10"}, SaveMode::Overwrite);
    } catch (const OrdavexError& failure) {
        error = failure.Number();
    }
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(error, kErrBadFileMode);
    EXPECT_EQ(test::ReadBytes(path), "1 2 3 4 5");
}
#endif

TEST(SavedMessage, NamesWhatWasDoneAndTheCountWritten) {
    EXPECT_EQ(SavedMessage(SaveMode::Overwrite, 57), "Salvate 57 combinazioni ..!");
    EXPECT_EQ(SavedMessage(SaveMode::Append, 3), "Accodate 3 combinazioni ..!");
    EXPECT_EQ(SavedMessage(SaveMode::Overwrite, 100000), "Salvate 100000 combinazioni ..!");
}

}  // namespace
}  // namespace ordavex
