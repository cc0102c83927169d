// Runs the companion tool as its users do, through the shell, and reads its exit status and output.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell_run.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::RunShell;
using Outcome = test::ShellOutcome;

std::string Tool() {
    const char* tool = std::getenv("ORDAVEX_MATRICES_TOOL");
    return tool != nullptr ? tool : "ordavex_matrices";
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

const std::string kTwelve =
    "01 02 03 04 05 06 07 08 09 10\r\n03 04 05 06 07 08 09 10 11 12\r\n"
    "01 02 05 06 07 08 09 10 11 12\r\n01 02 03 04 07 08 09 10 11 12";

TEST(MatrixTool, AnswersEveryArgumentWithAStatusAndAMessage) {
    test::TempFolder folder;
    const auto matrix = folder.Write("MATRIX10_07_V6_N12.TXT", kTwelve);
    const auto oneLine = folder.Write("MATRIX05_05_V5_N05.TXT", "1 2 3 4 5");
    std::filesystem::create_symlink(folder.Path() / "LOOP.TXT", folder.Path() / "LOOP.TXT");
    const auto readOnly = folder.Path() / "readonly";
    std::filesystem::create_directory(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool permissionsBind = geteuid() != 0;
    const std::string generate =
        " generate -n 12 -k 10 -p 7 -t 5 --patience 100 --out " + Quoted(folder.Path().string());
    const struct {
        std::string arguments;
        int status;
        std::string says;
    } cases[] = {
        {"--help", 0, "usage:"},
        {"help", 0, "usage:"},
        {"verify --help", 0, "usage:"},
        {"generate --help", 0, "usage:"},
        {"--version", 0, "ordavex_matrices 1."},
        {"", 2, "no command"},
        {"verify " + Quoted(matrix) + " --seconds=5", 0, "4 lines"},
        {"verify " + Quoted(oneLine), 0, "numbers: 5, 1 line, "},
        {"verify " + Quoted(matrix) + " --seconds 1e12", 2, "seconds"},
        {"verify " + Quoted(matrix) + " --seconds nan", 2, "seconds"},
        {"verify " + Quoted(matrix) + " --seconds inf", 2, "seconds"},
        {"verify " + Quoted(matrix) + " --seconds -1", 2, "seconds"},
        {"verify " + Quoted(folder.File("LOOP.TXT")), 2, "error 52"},
        {"verify " + Quoted(folder.Path().string()), 2, "error 52"},
        {"verify " + Quoted(folder.File("none.txt")), 2, "error 53"},
        {"generate -n 5abc -k 10 -p 7 -t 5", 2, "whole number"},
        {"generate -n -3 -k 10 -p 7 -t 5", 2, "whole number"},
        {"generate -n 4294967308 -k 10 -p 7 -t 5", 2, "whole number"},
        {"generate -n 12 -k 10 -p 7 -t 5 --seed 18446744073709551616", 2, "whole number"},
        {"generate -n 12 -k 10 -p 7 -t 5 --bogus 1", 2, "unknown option"},
        {"generate -n 12 -k 10 -p 7 -t 5 --method fastest", 2, "the methods are"},
        {"generate -n 12 -k 10 -p 7 -t 5 --cpu-seconds 0", 2, "seconds"},
        {"generate -n 12 -k 10 -p 7 -t 5 --out " + Quoted(folder.File(std::string(300, 'x'))), 2, "no such folder"},
        {"generate -n 12 -k 10 -p 7 -t 5 --out " + Quoted(matrix), 2, "no such folder"},
        {"generate -n 12 -k 10 -p 7 -t 5 --out " + Quoted(readOnly.string()), permissionsBind ? 2 : 0,
         permissionsBind ? "cannot be written" : "MATRIX"},
        {generate, 0, "MATRIX10_07_V5_N12.TXT: "},
        {generate, 2, "exists already"},
        {generate + " --replace --method annealing --cpu-seconds 0.5", 0, "MATRIX10_07_V5_N12.TXT: "},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunShell(Tool() + " " + c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.arguments << "\n" << outcome.output;
        EXPECT_NE(outcome.output.find(c.says), std::string::npos) << c.arguments << "\n" << outcome.output;
    }
}

TEST(MatrixTool, AFailedReplaceLeavesTheOldMatrix) {
    test::TempFolder folder;
    const std::string old = "01 02 03 04 05 06 07 08 09 10";
    const auto path = folder.Write("MATRIX06_06_V4_N16.TXT", old);
    // A file-size limit of 512 bytes makes the write of some 700 bytes fail part way, as a full
    // disk would.
    const Outcome outcome =
        RunShell("trap '' XFSZ; ulimit -f 1; " + Tool() +
                 " generate -n 16 -k 6 -p 6 -t 4 --patience 10 --replace --out " + Quoted(folder.Path().string()));
    EXPECT_EQ(outcome.status, 2) << outcome.output;
    EXPECT_NE(outcome.output.find("error 61"), std::string::npos) << outcome.output;
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(MatrixTool, AnInterruptWritesTheBestCompleteMatrix) {
    test::TempFolder folder;
    const Outcome outcome = RunShell(Tool() + " generate -n 12 -k 6 -p 6 -t 4 --patience 1000000000 --out " +
                                     Quoted(folder.Path().string()) + " & pid=$!; sleep 2; kill -INT $pid; wait $pid");
    EXPECT_EQ(outcome.status, 130) << outcome.output;
    EXPECT_NE(outcome.output.find("stopped on request"), std::string::npos) << outcome.output;
    const Outcome proof = RunShell(Tool() + " verify " + Quoted(folder.File("MATRIX06_06_V4_N12.TXT")));
    EXPECT_EQ(proof.status, 0) << proof.output;
}

}  // namespace
}  // namespace ordavex
