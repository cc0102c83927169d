#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/error_number.h"
#include "app/native_file.h"
#include "app/save_steps.h"
#include "combinations/system_save.h"
#include "error_of.h"
#include "test_files.h"

#if defined(__unix__) || defined(__APPLE__)
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#define ORDAVEX_CAN_LIMIT_FILE_SIZE 1
#endif

namespace ordavex {
namespace {

namespace fs = std::filesystem;

using test::ErrorOf;

std::size_t EntriesIn(const test::TempFolder& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
}

TEST(WithCapitalFileName, CapitalisesTheFileNameOnly) {
    EXPECT_EQ(WithCapitalFileName("/home/anna/Sistemi/nuovo.txt"), "/home/anna/Sistemi/NUOVO.TXT");
    EXPECT_EQ(WithCapitalFileName("C:\\Giochi\\old.txt"), "C:\\Giochi\\OLD.TXT");
    EXPECT_EQ(WithCapitalFileName("rel/dir.txt/file"), "rel/dir.txt/FILE");
    EXPECT_EQ(WithCapitalFileName("plain.txt"), "PLAIN.TXT");
}

TEST(ReplaceableFileLength, ZeroForANewOrEmptyFileWithoutCreatingIt) {
    test::TempFolder folder;
    EXPECT_EQ(ReplaceableFileLength(folder.File("NEW.TXT")), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.File("NEW.TXT")));
    EXPECT_EQ(ReplaceableFileLength(folder.Write("EMPTY.TXT", "")), 0u);
    EXPECT_EQ(ReplaceableFileLength(folder.Write("DATA.TXT", "1 2 3 4 5")), 9u);
    EXPECT_EQ(ErrorOf([&] { ReplaceableFileLength(folder.Path().string()); }), kErrBadFileName) << "a folder";
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
        {"CR LF between lines only",
         "",
         {"1 2 3 4 5", "6 7 8 9 10", "11 12 13 14 15"},
         SaveMode::Overwrite,
         "1 2 3 4 5\r\n6 7 8 9 10\r\n11 12 13 14 15"},
        {"overwrite replaces", "old old old\r\nold", {"1 2 3 4 5"}, SaveMode::Overwrite, "1 2 3 4 5"},
        {"append writes one CR LF first", "a\r\nb", {"c", "d"}, SaveMode::Append, "a\r\nb\r\nc\r\nd"},
        {"append after a line end still adds one", "a\r\n", {"c"}, SaveMode::Append, "a\r\n\r\nc"},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto openBefore = test::OpenFileCount();
        const auto path = folder.File("SYSTEM.TXT");
        std::filesystem::remove(path);
        if (!c.before.empty()) folder.Write("SYSTEM.TXT", c.before);
        WriteSystemFile(path, c.lines, c.mode);
        EXPECT_EQ(test::ReadBytes(path), c.after) << c.name;
        EXPECT_EQ(test::OpenFileCount(), openBefore) << c.name;
        EXPECT_EQ(EntriesIn(folder), 1u) << c.name << ": nothing is left beside the file";
    }
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

// A write that fails part way, into a file with one name (replaced whole) or with several (written in place).
TEST(WriteSystemFile, AFailingWriteLeavesTheOldFileIntact) {
    const std::string old = "01 02 03 04 05\r\n06 07 08 09 10";
    const LineList big(100000, "01 02 03 04 05 06 07 08 09 10");
    for (const bool severalNames : {false, true}) {
        for (SaveMode mode : {SaveMode::Overwrite, SaveMode::Append}) {
            SCOPED_TRACE(severalNames ? "several names" : "one name");
            test::TempFolder folder;
            const auto path = folder.Write("OLD.TXT", old);
            if (severalNames) std::filesystem::create_hard_link(path, folder.Path() / "OTHER.TXT");
            const auto openBefore = test::OpenFileCount();
            int error = 0;
            {
                FileSizeLimit limit(64 * 1024);
                ASSERT_TRUE(limit.Applied());
                error = ErrorOf([&] { WriteSystemFile(path, big, mode); });
            }
            EXPECT_EQ(error, kErrDiskFull) << "the file could not grow";
            EXPECT_EQ(test::ReadBytes(path), old);
            if (severalNames) {
                EXPECT_EQ(test::ReadBytes(folder.File("OTHER.TXT")), old);
            }
            EXPECT_EQ(EntriesIn(folder), severalNames ? 2u : 1u) << "no partial file left";
            EXPECT_EQ(test::OpenFileCount(), openBefore);
        }
    }
}

// Runs `action` where permissions bind: here for an ordinary user; for the superuser, whom they do
// not stop, in a child process that has given up its rights for those of "nobody". Its result
// must fit an exit status; none when the rights cannot be given up.
std::optional<int> RunWherePermissionsBind(const std::function<int()>& action) {
    if (geteuid() != 0) return action();
    constexpr uid_t kNobody = 65534;
    constexpr int kStayedSuperuser = 255;
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(kStayedSuperuser);
        _exit(action());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == kStayedSuperuser) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

TEST(WriteSystemFile, AFolderThatRefusesAccessIsAnAccessErrorAndChangesNothing) {
    using fs::perms;
    const struct {
        const char* name;
        perms folderMode;
    } cases[] = {
        {"folder without write permission",
         perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec},
        {"folder without search permission",
         perms::owner_read | perms::owner_write | perms::others_read | perms::others_write},
    };
    for (const auto& c : cases) {
        test::TempFolder outer;
        fs::permissions(outer.Path(), perms::owner_all | perms::others_read | perms::others_exec);
        const fs::path folder = outer.Path() / "inner";
        fs::create_directory(folder);
        const std::string path = (folder / "OLD.TXT").string();
        outer.Write("inner/OLD.TXT", "1 2 3 4 5");
        fs::permissions(path, perms::owner_read | perms::owner_write | perms::others_read | perms::others_write);
        fs::permissions(folder, c.folderMode);
        const auto error = RunWherePermissionsBind(
            [&] { return ErrorOf([&] { WriteSystemFile(path, {"6 7 8 9 10"}, SaveMode::Overwrite); }); });
        fs::permissions(folder, perms::owner_all);
        if (!error) GTEST_SKIP() << "the superuser's rights could not be given up, so permissions cannot bind";
        EXPECT_EQ(*error, kErrPermissionDenied) << c.name;
        EXPECT_EQ(test::ReadBytes(path), "1 2 3 4 5") << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << c.name;
    }
}

TEST(WriteSystemFile, ALinkIsFollowedToTheFileItNames) {
    const struct {
        const char* name;
        bool targetExists;
        bool relative;
    } cases[] = {
        {"link to a file", true, false},
        {"relative link to a file in another folder", true, true},
        {"dangling link", false, false},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        fs::create_directory(folder.Path() / "real");
        const auto target = folder.File("real/TARGET.TXT");
        if (c.targetExists) folder.Write("real/TARGET.TXT", "1 2 3 4 5");
        fs::create_symlink(c.relative ? fs::path("real/TARGET.TXT") : fs::path(target), folder.Path() / "LINK.TXT");
        WriteSystemFile(folder.File("LINK.TXT"), {"6 7 8 9 10"}, SaveMode::Overwrite);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path() / "LINK.TXT"))) << c.name;
        EXPECT_EQ(test::ReadBytes(target), "6 7 8 9 10") << c.name;
        EXPECT_EQ(fs::directory_iterator(folder.Path() / "real")->path().filename(), "TARGET.TXT") << c.name;
    }
    test::TempFolder folder;
    fs::create_symlink(folder.Path() / "B.TXT", folder.Path() / "A.TXT");
    fs::create_symlink(folder.Path() / "A.TXT", folder.Path() / "B.TXT");
    EXPECT_EQ(ErrorOf([&] { WriteSystemFile(folder.File("A.TXT"), {"1"}, SaveMode::Overwrite); }), kErrBadFileName)
        << "a loop of links";
}

// Takes the real steps, noting each with what the pending file holds when it is flushed, and
// fails the one named `failing` as a failing disk would.
class RecordingSteps : public SaveSteps {
public:
    explicit RecordingSteps(std::string failing) : failing_(std::move(failing)) {}
    void SyncFile(NativeFile& file, const std::string& path) override {
        flushedBytes = test::ReadBytes(path);
        Take("sync file");
        SaveSteps::SyncFile(file, path);
    }
    void Rename(const std::string& from, const std::string& to) override {
        Take("rename");
        SaveSteps::Rename(from, to);
    }
    void SyncFolder(const std::string& folder) override {
        Take("sync folder");
        SaveSteps::SyncFolder(folder);
    }
    std::vector<std::string> steps;
    std::string flushedBytes;

private:
    void Take(const std::string& step) {
        steps.push_back(step);
        if (step == failing_) throw std::system_error(EIO, std::generic_category());
    }
    std::string failing_;
};

TEST(WriteFileSafely, FlushesTheNewFileBeforeTheRenameAndTheFolderAfterItOrKeepsTheOldFile) {
    const std::vector<std::string> order = {"sync file", "rename", "sync folder"};
    const struct {
        const char* failing;
        std::size_t stepsTaken;
    } cases[] = {{"", 3}, {"sync file", 1}, {"rename", 2}, {"sync folder", 3}};
    for (const auto& c : cases) {
        for (const bool oldExists : {true, false}) {
            const std::string label = std::string(c.failing) + (oldExists ? ", over a file" : ", new file");
            test::TempFolder folder;
            const std::string path = oldExists ? folder.Write("OLD.TXT", "1 2 3 4 5") : folder.File("OLD.TXT");
            RecordingSteps steps(c.failing);
            const int error = ErrorOf([&] { WriteFileSafely(path, "6 7 8 9 10", SaveMode::Overwrite, steps); });
            EXPECT_EQ(steps.steps, std::vector<std::string>(order.begin(), order.begin() + c.stepsTaken)) << label;
            EXPECT_EQ(steps.flushedBytes, "6 7 8 9 10") << label;
            const bool saved = std::string(c.failing).empty();
            EXPECT_EQ(error, saved ? 0 : kErrDeviceUnavailable) << label;
            const bool present = saved || oldExists;
            EXPECT_EQ(fs::exists(path), present) << label;
            if (present) {
                EXPECT_EQ(test::ReadBytes(path), saved ? "6 7 8 9 10" : "1 2 3 4 5") << label;
            }
            EXPECT_EQ(EntriesIn(folder), present ? 1u : 0u) << label << ": nothing left beside the file";
        }
    }
}

// Names that an interrupted save (of this version or an earlier one) leaves, and names that
// only look alike.
TEST(WriteSystemFile, RemovesWhatAnInterruptedSaveLeftAndNothingElse) {
    test::TempFolder folder;
    const auto path = folder.Write("SYSTEM.TXT", "1 2 3 4 5");
    const std::string victim = folder.Write("victim", "precious");
    const struct {
        const char* name;
        bool left;
    } cases[] = {
        {".SYSTEM.TXT.0123456789ab.tmp", true},
        {"SYSTEM.TXT.0.tmp", true},
        {"SYSTEM.TXT.17.tmp", true},
        {".OTHER.TXT.0123456789ab.tmp", false},
        {".SYSTEM.TXT.0123456789AB.tmp", false},
        {"SYSTEM.TXT.x.tmp", false},
        {"SYSTEM.TXT.tmp", false},
    };
    for (const auto& c : cases) folder.Write(c.name, "old");
    fs::create_symlink(victim, folder.Path() / "SYSTEM.TXT.1.tmp");  // a planted link, as the old name
    fs::create_directory(folder.Path() / "SYSTEM.TXT.2.tmp");
    WriteSystemFile(path, {"6 7 8 9 10"}, SaveMode::Overwrite);
    EXPECT_EQ(test::ReadBytes(path), "6 7 8 9 10");
    EXPECT_EQ(test::ReadBytes(victim), "precious");
    for (const auto& c : cases) EXPECT_EQ(fs::exists(folder.File(c.name)), !c.left) << c.name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.Path() / "SYSTEM.TXT.1.tmp")));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "SYSTEM.TXT.2.tmp")) << "a folder is never removed";
}

TEST(NativeFile, CreatesANewFileOnlyAndNeverThroughALink) {
    test::TempFolder folder;
    const auto victim = folder.Write("victim", "precious");
    fs::create_symlink(victim, folder.Path() / "planted");
    fs::create_symlink(folder.Path() / "nowhere", folder.Path() / "dangling");
    for (const char* name : {"victim", "planted", "dangling"}) {
        EXPECT_THROW(NativeFile::CreateNew(folder.File(name)), std::system_error) << name;
    }
    EXPECT_EQ(test::ReadBytes(victim), "precious");
    EXPECT_FALSE(fs::exists(folder.Path() / "nowhere"));
    NativeFile::CreateNew(folder.File("fresh"));
    EXPECT_EQ(fs::status(folder.Path() / "fresh").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(PendingFileName, FitsTheLongestNameAndCutsAtAWholeCharacter) {
    const std::string random(12, 'a');
    const struct {
        std::string target;
        std::size_t longest;
        std::string pending;
    } cases[] = {
        {"SYSTEM.TXT", 255, ".SYSTEM.TXT.aaaaaaaaaaaa.tmp"},
        {std::string(250, 'A') + ".TXT", 255, "." + std::string(237, 'A') + ".aaaaaaaaaaaa.tmp"},
        {"ABCÀÈ", 23, ".ABCÀ.aaaaaaaaaaaa.tmp"},  // À and È take two bytes each
        {"ABCÀÈ", 22, ".ABC.aaaaaaaaaaaa.tmp"},   // no half of À
    };
    for (const auto& c : cases) {
        const auto pending = PendingFileName(c.target, random, c.longest);
        EXPECT_EQ(pending, c.pending) << c.target;
        EXPECT_LE(pending.size(), c.longest) << c.target;
    }
}

TEST(WriteSystemFile, TheReplacedFileKeepsItsModeOwnerAndGroup) {
    test::TempFolder folder;
    const auto path = folder.Write("KEPT.TXT", "1 2 3 4 5");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool mayGiveAway = geteuid() == 0 && chown(path.c_str(), 4321, 4322) == 0;
    for (SaveMode mode : {SaveMode::Overwrite, SaveMode::Append}) {
        WriteSystemFile(path, {"6 7 8 9 10"}, mode);
        struct stat facts {};
        ASSERT_EQ(stat(path.c_str(), &facts), 0);
        EXPECT_EQ(facts.st_mode & 07777, 0640u);
        if (mayGiveAway) {
            EXPECT_EQ(facts.st_uid, 4321u);
            EXPECT_EQ(facts.st_gid, 4322u);
        }
    }
    const mode_t mask = umask(022);
    WriteSystemFile(folder.File("NEW.TXT"), {"1 2 3 4 5"}, SaveMode::Overwrite);
    umask(mask);
    EXPECT_EQ(fs::status(folder.File("NEW.TXT")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read)
        << "a new file is made as the process makes new files";
}

TEST(WriteSystemFile, AReadOnlyFileIsNotReplaced) {
    test::TempFolder folder;
    const auto path = folder.Write("LOCKED.TXT", "1 2 3 4 5");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(ErrorOf([&] { ReplaceableFileLength(path); }), kErrPermissionDenied);
    for (SaveMode mode : {SaveMode::Overwrite, SaveMode::Append}) {
        EXPECT_EQ(ErrorOf([&] { WriteSystemFile(path, {"6 7 8 9 10"}, mode); }), kErrPermissionDenied);
    }
    EXPECT_EQ(test::ReadBytes(path), "1 2 3 4 5");
    EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(WriteSystemFile, AFileWithSeveralNamesIsWrittenInPlace) {
    const struct {
        SaveMode mode;
        std::string before;
        std::string after;
    } cases[] = {
        {SaveMode::Overwrite, "1 2 3 4 5\r\n6 7 8 9 10", "11 12 13 14 15"},
        {SaveMode::Overwrite, "1 2 3 4 5", "11 12 13 14 15"},
        {SaveMode::Append, "1 2 3 4 5", "1 2 3 4 5\r\n11 12 13 14 15"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        const auto path = folder.Write("SHARED.TXT", c.before);
        fs::create_hard_link(path, folder.Path() / "OTHER.TXT");
        WriteSystemFile(path, {"11 12 13 14 15"}, c.mode);
        EXPECT_EQ(test::ReadBytes(path), c.after);
        EXPECT_EQ(test::ReadBytes(folder.File("OTHER.TXT")), c.after) << "the other name shows it too";
        EXPECT_EQ(fs::hard_link_count(path), 2u);
    }
}

TEST(SaveTargetPath, TheCapitalisedNameUnlessOnlyTheChosenOneExists) {
    const struct {
        const char* name;
        std::vector<std::string> existing;
        std::string chosen;
        std::string target;
    } cases[] = {
        {"nothing exists", {}, "vecchio.txt", "VECCHIO.TXT"},
        {"only the chosen name", {"vecchio.txt"}, "vecchio.txt", "vecchio.txt"},
        {"only the capitalised name", {"VECCHIO.TXT"}, "vecchio.txt", "VECCHIO.TXT"},
        {"both", {"vecchio.txt", "VECCHIO.TXT"}, "vecchio.txt", "VECCHIO.TXT"},
        {"another case of the name", {"Vecchio.txt"}, "vecchio.txt", "VECCHIO.TXT"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        for (const auto& name : c.existing) folder.Write(name, "1 2 3 4 5");
        if (c.existing.size() > 1 && EntriesIn(folder) < c.existing.size()) GTEST_SKIP() << "case-blind file system";
        EXPECT_EQ(SaveTargetPath(folder.File(c.chosen)), folder.File(c.target)) << c.name;
    }
}
#endif

TEST(SavedMessage, CountsBeyondSixteenBits) {
    EXPECT_EQ(SavedMessage(SaveMode::Overwrite, 100000), "Salvate 100000 combinazioni ..!");
}

}  // namespace
}  // namespace ordavex
