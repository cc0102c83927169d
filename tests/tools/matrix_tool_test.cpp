// Runs the companion tool as its users do, through the shell, and reads its exit status and output.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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
        {"generate -n 12 -k 10 -p 7 -t 5 --out " + Quoted(folder.File(std::string(300, 'x'))), 2,
         "the folder cannot be made"},
        {"generate -n 12 -k 10 -p 7 -t 5 --out " + Quoted(matrix), 2, "not a folder"},
        {"generate -n 12 -k 10 -p 7 -t 5 --fixed 10", 2, "F = 10"},
        {"generate -n 12 -k 10 -p 7 -t 5 --fixed 8", 2, "F = 8"},
        {"generate -n 12 -k 10 -p 7 -t 5 --budget 1", 2, "budget = 1: at least 2 lines"},
        {"generate -n 12 -k 10 -p 7 -t 5 --budget 0", 2, "whole number"},
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

// Two lines over 1..8 that share 1 and 2; of the 20 draws of 5 that hold them, 2 give one line
// all five numbers.
const std::string kTwoFixed = "01 02 03 04 05\r\n01 02 06 07 08";

TEST(MatrixTool, VerifyChecksTheFixedNumbersAndCountsTheDrawsCovered) {
    test::TempFolder folder;
    const struct {
        std::string name;
        std::string bytes;
        int status;
        std::vector<std::string> says;
    } cases[] = {
        // 360 of the 792 draws of 7 out of 12 meet no line in all seven.
        {"MATRIX10_07_V7_N12.TXT",
         kTwelve,
         1,
         {"FAILS: no line holds 7", "coverage: 54.5% of the 792 draws of 7 numbers (360 not covered)"}},
        {"MATRIX10_07_V6_N12.TXT",
         kTwelve,
         0,
         {"guarantee: holds\n", "coverage: 100% of the 792 draws of 7 numbers (0 not covered)"}},
        {"MATRIX05_05_V4_N08_F2.TXT",
         kTwoFixed,
         0,
         {"when 5 are drawn, the fixed numbers 1..2 among them\n", "every line holds 1..2",
          "guarantee: holds on the draws that hold the fixed numbers 1..2\n",
          "coverage: 100% of the 20 draws of 5 numbers that hold the fixed numbers 1..2 (0 not covered)",
          "the fixed numbers 1..2 among them):\n  p:  1  2  3  4  5  6  7  8\n  t:  -  2  3  3  4  4  5  5\n"}},
        // The same lines promise less on every draw of 5.
        {"MATRIX05_05_V4_N08.TXT",
         kTwoFixed,
         1,
         {"FAILS: no line holds 4 of the drawn numbers 01 03 04 06 07",
          "coverage: 57.1% of the 56 draws of 5 numbers (24 not covered)"}},
        {"MATRIX05_05_V4_N08_F3.TXT", kTwoFixed, 1, {"FAILS: 1 line of 2 does not hold the fixed numbers 1..3"}},
        {"MATRIX05_02_V2_N08_F3.TXT", kTwoFixed, 1, {"FAILS: 3 fixed numbers cannot all be among 2 drawn"}},
        {"MATRIX05_05_V4_N08_F2_B2_T5.TXT",
         kTwoFixed,
         0,
         {"aim (T mark): 5 points when 5 are drawn, in at most 2 lines\n",
          "coverage of the aim: 10.0% of the 20 draws of 5 numbers that hold the fixed numbers 1..2 (18 not covered)"}},
        {"MATRIX05_05_V4_N08_F2_B1_T5.TXT", kTwoFixed, 1, {"FAILS: 2 lines, the name allows at most 1"}},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunShell(Tool() + " verify " + Quoted(folder.Write(c.name, c.bytes)));
        EXPECT_EQ(outcome.status, c.status) << c.name << "\n" << outcome.output;
        for (const std::string& says : c.says) {
            EXPECT_NE(outcome.output.find(says), std::string::npos) << c.name << ": " << says << "\n" << outcome.output;
        }
    }
}

TEST(MatrixTool, TheCountOfDrawsCoveredKeepsTheTimeLimit) {
    // The nine tens of 1..90: a draw of 12 is soon found that meets no line in 9, while the
    // C(90, 12), some 10^14, draws take far longer to count than the 0.3 seconds of each check.
    std::string tens;
    for (int first = 1; first <= 81; first += 10) {
        for (int number = first; number < first + 10; ++number) tens += std::to_string(number) + " ";
        tens += "\r\n";
    }
    test::TempFolder folder;
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome =
        RunShell(Tool() + " verify " + Quoted(folder.Write("MATRIX10_12_V9_N90.TXT", tens)) + " --seconds 0.3");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome.status, 1) << outcome.output;
    EXPECT_NE(outcome.output.find("coverage: not counted within the time limit"), std::string::npos) << outcome.output;
    // Reading, the claim, the count and the profile: at most four checks of 0.3 s each.
    EXPECT_LT(took, std::chrono::milliseconds(1200 + 1000)) << outcome.output;
}

// A mistake in the arguments is answered in one line and a pointer to the usage, not the usage.
TEST(MatrixTool, AUsageErrorIsOneLineAndAPointerToTheHelp) {
    for (const std::string arguments : {"", "bogus", "verify", "generate -n 12 -k 10 -p 7", "generate --fixed=x"}) {
        const Outcome outcome = RunShell(Tool() + " " + arguments + " 2>&1");
        EXPECT_EQ(outcome.status, 2) << arguments;
        const auto firstEnd = outcome.output.find('\n');
        ASSERT_NE(firstEnd, std::string::npos) << arguments;
        EXPECT_EQ(outcome.output.rfind("ordavex_matrices: ", 0), 0U) << outcome.output;
        EXPECT_EQ(outcome.output.substr(firstEnd + 1), "try 'ordavex_matrices --help'\n") << outcome.output;
    }
}

// The file a run writes, found by the end of its name.
std::filesystem::path WrittenMatrix(const std::filesystem::path& folder) {
    std::filesystem::path found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".TXT") found = entry.path();
    }
    return found;
}

TEST(MatrixTool, NamesFixedNumbersAndBudgetsAndMakesTheFolder) {
    test::TempFolder folder;
    const struct {
        std::string options;
        std::string subfolder;
        std::string name;
    } cases[] = {
        {"-n 14 -k 6 -p 6 -t 4 --fixed 2", "made/on/the/way", "MATRIX06_06_V4_N14_F2.TXT"},
        // Two lines are enough for 5 points if 7 of 12 are drawn.
        {"-n 12 -k 10 -p 7 -t 5 --budget 4", "enough", "MATRIX10_07_V5_N12.TXT"},
        // Six lines are far too few for 6 points if 8 of 20 are drawn: named by what they keep.
        {"-n 20 -k 10 -p 8 -t 6 --budget 6", "short", "_N20_B6_T6.TXT"},
        {"-n 20 -k 10 -p 8 -t 6 --fixed 1 --budget 5", "short-fixed", "_N20_F1_B5_T6.TXT"},
    };
    for (const auto& c : cases) {
        const auto out = folder.Path() / c.subfolder;
        const Outcome outcome =
            RunShell(Tool() + " generate " + c.options + " --threads 1 --patience 2000 --out " + Quoted(out.string()));
        ASSERT_EQ(outcome.status, 0) << c.options << "\n" << outcome.output;
        const std::string name = WrittenMatrix(out).filename().string();
        EXPECT_TRUE(name.ends_with(c.name)) << c.options << ": " << name;
        // The tool's own check agrees with the name, fixed numbers, budget and all.
        const Outcome proof = RunShell(Tool() + " verify " + Quoted(WrittenMatrix(out).string()));
        EXPECT_EQ(proof.status, 0) << name << "\n" << proof.output;
    }
}

TEST(MatrixTool, ConstructionsGiveTheStartUnlessTurnedOff) {
    test::TempFolder folder;
    // 21 numbers, 3 if 3: S(3,6,22) less a number, 77 lines, at once; a greedy start has more.
    const std::string generate = Tool() + " generate -n 21 -k 6 -p 3 -t 3 --threads 1 --patience 1 --replace --out " +
                                 Quoted(folder.Path().string());
    const Outcome constructed = RunShell(generate + " --library " + Quoted(folder.Path().string()));
    EXPECT_NE(constructed.output.find(": 77 lines"), std::string::npos) << constructed.output;
    const Outcome plain = RunShell(generate + " --no-constructions");
    EXPECT_EQ(plain.status, 0) << plain.output;
    EXPECT_EQ(plain.output.find(": 77 lines"), std::string::npos) << plain.output;
}

TEST(MatrixTool, BoundPrintsTheFewestLinesAMatrixCanHave) {
    const Outcome steiner = RunShell(Tool() + " bound -n 22 -k 6 -p 3 -t 3");
    EXPECT_EQ(steiner.status, 0);
    EXPECT_EQ(steiner.output, "77\n");
    const Outcome impossible = RunShell(Tool() + " bound -n 10 -k 12 -p 3 -t 3");
    EXPECT_EQ(impossible.status, 2) << impossible.output;
    EXPECT_NE(impossible.output.find("k = 12"), std::string::npos) << impossible.output;
}

TEST(MatrixTool, ATimeLimitIsUsedInFullUnlessPatienceIsAsked) {
    test::TempFolder folder;
    // 15 6 6 4 cannot reach its lower bound of 9 lines: only the limit or patience ends it.
    const std::string generate =
        Tool() + " generate -n 15 -k 6 -p 6 -t 4 --threads 1 --replace --out " + Quoted(folder.Path().string());
    const Outcome timed = RunShell(generate + " --seconds 1");
    EXPECT_EQ(timed.status, 0) << timed.output;
    EXPECT_NE(timed.output.find("stopped by the time limit"), std::string::npos) << timed.output;
    const Outcome processorTimed = RunShell(generate + " --cpu-seconds 0.5");
    EXPECT_NE(processorTimed.output.find("stopped by the time limit"), std::string::npos) << processorTimed.output;
    const Outcome patient = RunShell(generate + " --seconds 1000 --patience 500");
    EXPECT_EQ(patient.status, 0) << patient.output;
    EXPECT_EQ(patient.output.find("stopped by the time limit"), std::string::npos) << patient.output;
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
