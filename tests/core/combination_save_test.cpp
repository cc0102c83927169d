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

// The error number an action throws, 0 when it succeeds.
template <typename Action>
int ErrorOf(Action action) {
    try {
        action();
    } catch (const OrdavexError& error) {
        return error.Number();
    }
    return 0;
}

std::size_t EntriesIn(const test::TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
}

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
    EXPECT_EQ(ErrorOf([&] { SavedFileLength(folder.Path().string()); }), kErrBadFileName) << "a folder";
}

TEST(WriteSystemFile, WritesTheExactBytes) {
    const struct {
        const char* name;
        std::string before;  // empty: no file yet
        LineList lines;
        SaveMode mode;
        std::string after;
    } cases[] = {
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
        EXPECT_EQ(EntriesIn(folder), 1u) << c.name << ": nothing is left beside the file";
    }
}

TEST(WriteSystemFile, SavedAndAppendedTwiceLoadsBackAsOneList) {
    test::TempFolder folder;
    FileTable files;
    const auto path = folder.File("LISTA.TXT");
    WriteSystemFile(files, path, {"01 02 03 04 05", "7 6 5 4 3", "1 2 3 4 5 6 7 8 9 10"}, SaveMode::Overwrite);
    WriteSystemFile(files, path, {"11 12 13 14 15", "16 17 18 19 20"}, SaveMode::Append);
    WriteSystemFile(files, path, {"21 22 23 24 25"}, SaveMode::Append);
    const auto loaded = LoadSystemFile(files, path);
    ASSERT_EQ(loaded.outcome, SystemLoadOutcome::Loaded);
    EXPECT_EQ(loaded.lines, (LineList{"01 02 03 04 05", "7 6 5 4 3", "1 2 3 4 5 6 7 8 9 10", "11 12 13 14 15",
                                      "16 17 18 19 20", "21 22 23 24 25"}));
    const auto bytes = test::ReadBytes(path);
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos) << "no empty line between the parts";
    EXPECT_NE(bytes.substr(bytes.size() - 2), "\r\n");
}

#ifdef ORDAVEX_CAN_LIMIT_FILE_SIZE
// Lets no file grow beyond a size while it lives: a write fails part way even for the superuser.
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
            error = ErrorOf([&] { WriteSystemFile(files, path, big, mode); });
        }
        EXPECT_EQ(error, kErrDiskFull) << "the file could not grow";
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(EntriesIn(folder), 1u) << "no partial file left";
        EXPECT_EQ(files.OpenCount(), 0u);
    }
}

TEST(WriteSystemFile, AFolderThatRefusesNewFilesLeavesTheOldFileIntact) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser; the size limit test covers this";
    test::TempFolder folder;
    const auto path = folder.Write("OLD.TXT", "1 2 3 4 5");
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    FileTable files;
    const int error = ErrorOf([&] { WriteSystemFile(files, path, {"6 7 8 9 10"}, SaveMode::Overwrite); });
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(error, kErrBadFileMode);
    EXPECT_EQ(test::ReadBytes(path), "1 2 3 4 5");
}
#endif

TEST(SavedMessage, CountsBeyondSixteenBits) {
    EXPECT_EQ(SavedMessage(SaveMode::Overwrite, 100000), "Salvate 100000 combinazioni ..!");
}

}  // namespace
}  // namespace ordavex
