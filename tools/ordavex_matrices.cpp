// Companion tool for the people who build matrices: proves the guarantee written in a matrix's
// file name and generates small matrices in the program's file format.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "guarantee/guarantee_checker.h"
#include "guarantee/guarantee_claim.h"
#include "guarantee/guarantee_matrix.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/matrix_generator_output.h"

namespace {

using namespace ordavex;

constexpr int kExitClaimFails = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInternal = 3;
// The program loads matrices whose lines hold 5 to 10 numbers.
constexpr int kShortestProgramLine = 5;
constexpr int kLongestProgramLine = 10;
// The file name carries the points as a single digit.
constexpr int kMostNamedPoints = 9;
// Each search holds its own table of the sets of drawn numbers.
constexpr int kMostThreads = 256;

const char* const kUsage =
    "usage:\n"
    "  ordavex_matrices verify FILE [--seconds S]\n"
    "      prints whether the guarantee in the matrix's name holds (exit status 1, with a\n"
    "      counterexample, when it does not) and its profile; each check stops after S seconds\n"
    "  ordavex_matrices generate -n N -k K -p P -t T [--seed S] [--seconds S] [--patience M]\n"
    "                            [--threads C] [--out FOLDER] [--replace]\n"
    "      builds a small matrix of K-number lines over 1..N that gives T points whenever P of\n"
    "      its numbers are drawn, and writes it to FOLDER (default: the current folder) as\n"
    "      MATRIXkk_pp_Vt_Nnn.TXT; C searches (default: one per core) run side by side with\n"
    "      seeds S, S+1, ...\n";

class UsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Options of the form "--name value" (or "-n value"), and flags without a value.
class Options {
public:
    Options(const std::vector<std::string>& args, const std::vector<std::string>& flags) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg.empty() || arg[0] != '-') {
                positional_.push_back(arg);
            } else if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
                values_[arg] = "";
            } else if (i + 1 < args.size()) {
                values_[arg] = args[++i];
            } else {
                throw UsageError("option " + arg + " needs a value");
            }
        }
    }
    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    long long Integer(const std::string& name, long long fallback) const {
        const auto found = values_.find(name);
        if (found == values_.end()) {
            return fallback;
        }
        std::size_t used = 0;
        try {
            const long long value = std::stoll(found->second, &used);
            if (used == found->second.size()) {
                return value;
            }
        } catch (const std::exception&) {
        }
        throw UsageError("option " + name + " needs a whole number, not \"" + found->second + "\"");
    }
    double Real(const std::string& name, double fallback) const {
        const auto found = values_.find(name);
        if (found == values_.end()) {
            return fallback;
        }
        try {
            return std::stod(found->second);
        } catch (const std::exception&) {
            throw UsageError("option " + name + " needs a number, not \"" + found->second + "\"");
        }
    }
    std::string Text(const std::string& name, const std::string& fallback) const {
        const auto found = values_.find(name);
        return found == values_.end() ? fallback : found->second;
    }
    int Required(const std::string& name) const {
        if (!Has(name)) {
            throw UsageError("missing option " + name);
        }
        return static_cast<int>(Integer(name, 0));
    }
    void Check(const std::vector<std::string>& known) const {
        for (const auto& [name, value] : values_) {
            if (std::find(known.begin(), known.end(), name) == known.end()) {
                throw UsageError("unknown option " + name);
            }
        }
    }

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
};

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw UsageError("cannot open " + path);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string NumbersText(const std::vector<int>& numbers) {
    std::string text;
    for (int number : numbers) {
        if (!text.empty()) {
            text += ' ';
        }
        if (number < 10) {
            text += '0';
        }
        text += std::to_string(number);
    }
    return text;
}

void PrintProfile(const std::vector<int>& profile) {
    std::printf("profile (points guaranteed when p numbers are drawn):\n  p:");
    for (std::size_t p = 1; p <= profile.size(); ++p) {
        std::printf(" %2zu", p);
    }
    std::printf("\n  t:");
    for (int points : profile) {
        if (points == kPointsUnknown) {
            std::printf("  ?");
        } else {
            std::printf(" %2d", points);
        }
    }
    std::printf("\n");
}

// Checks what the name promises; prints the verdict and returns whether it holds.
bool VerifyClaim(const std::string& path, const GuaranteeMatrix& matrix, const GuaranteeChecker& checker,
                 CheckDeadline deadline) {
    const auto claim = ClaimOfNameFields(MatrixNameFields(path));
    if (!claim) {
        std::printf("name: states no guarantee (characters 7-8, 10-11 and the one after the first V must be digits)\n");
        return false;
    }
    std::printf("name claims: %d points on %d-number lines when %d are drawn\n", claim->points, claim->length,
                claim->drawn);
    bool holds = true;
    if (matrix.shortestLine != claim->length || matrix.longestLine != claim->length) {
        std::printf("FAILS: lines hold %d to %d numbers, the name says %d\n", matrix.shortestLine,
                    matrix.longestLine, claim->length);
        holds = false;
    }
    if (claim->drawn < 1 || claim->drawn > matrix.numbers) {
        std::printf("FAILS: %d drawn out of %d numbers is impossible\n", claim->drawn, matrix.numbers);
        return false;
    }
    const ClaimResult result = checker.CheckClaim(claim->points, claim->drawn, deadline);
    switch (result.status) {
        case ClaimStatus::kHolds:
            std::printf("guarantee: holds\n");
            break;
        case ClaimStatus::kNotCompleted:
            std::printf("guarantee: check not completed within the time limit\n");
            holds = false;
            break;
        case ClaimStatus::kFails:
            std::printf("FAILS: no line holds %d of the drawn numbers %s\n", claim->points,
                        NumbersText(result.counterexample).c_str());
            holds = false;
            break;
    }
    return holds;
}

int Verify(const Options& options) {
    options.Check({"--seconds"});
    if (options.Positional().size() != 1) {
        throw UsageError("verify takes one file");
    }
    const std::string path = options.Positional()[0];
    const GuaranteeMatrix matrix = ReadGuaranteeMatrix(SplitFileLines(ReadWholeFile(path)));
    const auto allowed = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(options.Real("--seconds", 60)));
    std::printf("%s\n", std::filesystem::path(path).filename().string().c_str());
    std::printf("numbers: %d, lines: %zu, numbers per line: %d", matrix.numbers, matrix.lines.size(),
                matrix.longestLine);
    if (matrix.shortestLine != matrix.longestLine) {
        std::printf(" (shortest %d)", matrix.shortestLine);
    }
    std::printf("\n");
    bool sound = true;
    if (!matrix.consecutive) {
        std::printf("FAILS: the numbers used are not exactly 1..%d\n", matrix.numbers);
        sound = false;
    }
    if (matrix.shortestLine < kShortestProgramLine || matrix.longestLine > kLongestProgramLine) {
        std::printf("FAILS: the program loads lines of 5 to 10 numbers only\n");
        sound = false;
    }
    // The name's claim comes first, so the profile cannot use up its time.
    const GuaranteeChecker checker(matrix.lines, matrix.numbers);
    const bool claimHolds = VerifyClaim(path, matrix, checker, std::chrono::steady_clock::now() + allowed);
    PrintProfile(checker.Profile(std::chrono::steady_clock::now() + allowed));
    return sound && claimHolds ? 0 : kExitClaimFails;
}

std::string ProgramLimitsError(int length, int points) {
    if (length < kShortestProgramLine || length > kLongestProgramLine) {
        return "k = " + std::to_string(length) + ": the program loads matrices whose lines hold 5 to 10 numbers";
    }
    if (points > kMostNamedPoints) {
        return "t = " + std::to_string(points) + ": the file name carries 1 to 9 points";
    }
    return {};
}

int Generate(const Options& options) {
    options.Check({"-n", "-k", "-p", "-t", "--seed", "--seconds", "--patience", "--threads", "--out", "--replace"});
    if (!options.Positional().empty()) {
        throw UsageError("generate takes options only");
    }
    GeneratorSettings settings;
    settings.numbers = options.Required("-n");
    settings.length = options.Required("-k");
    settings.drawn = options.Required("-p");
    settings.points = options.Required("-t");
    settings.seed = static_cast<std::uint64_t>(options.Integer("--seed", 1));
    settings.seconds = options.Real("--seconds", 60);
    settings.patience = static_cast<std::uint64_t>(options.Integer("--patience", 2'000'000));
    settings.threads = static_cast<int>(
        options.Integer("--threads", std::max(1U, std::thread::hardware_concurrency())));
    if (settings.threads < 1 || settings.threads > kMostThreads) {
        throw UsageError("option --threads needs 1 to " + std::to_string(kMostThreads) + " searches");
    }
    std::string error =
        MatrixGenerator::ParameterError(settings.numbers, settings.length, settings.drawn, settings.points);
    if (error.empty()) {
        error = ProgramLimitsError(settings.length, settings.points);
    }
    if (!error.empty()) {
        throw UsageError(error);
    }
    const std::filesystem::path file =
        std::filesystem::path(options.Text("--out", ".")) /
        ConventionalMatrixName(settings.numbers, settings.length, settings.drawn, settings.points);
    if (std::filesystem::exists(file) && !options.Has("--replace")) {
        throw UsageError(file.string() + " exists already (add --replace to overwrite it)");
    }
    settings.progress = [](const GeneratorProgress& progress) {
        if (progress.bestLines == 0) {
            std::fprintf(stderr, "%7.1f s: greedy start, %zu lines, %zu sets uncovered\n", progress.seconds,
                         progress.lines, progress.uncovered);
            return;
        }
        std::fprintf(stderr, "%7.1f s: %zu lines, %zu sets uncovered, smallest complete %zu, %.0f moves/s\n",
                     progress.seconds, progress.lines, progress.uncovered, progress.bestLines,
                     static_cast<double>(progress.moves) / std::max(progress.seconds, 1e-3));
    };
    const GeneratorResult result = MatrixGenerator(settings).Run();
    // The result is proved by the independent check before it is written.
    const GuaranteeChecker checker(result.lines, settings.numbers);
    const ClaimResult proof = checker.CheckClaim(settings.points, settings.drawn);
    if (proof.status != ClaimStatus::kHolds) {
        std::fprintf(stderr, "ordavex_matrices: internal error, the generated matrix misses %s\n",
                     NumbersText(proof.counterexample).c_str());
        return kExitInternal;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << MatrixFileText(result.lines);
    out.close();
    if (!out) {
        throw UsageError("cannot write " + file.string());
    }
    std::printf("%s: %zu lines, lower bound %llu (found after %.1f s; %.1f s, %llu moves in all%s)\n",
                file.string().c_str(), result.lines.size(), static_cast<unsigned long long>(result.lowerBound),
                result.bestSeconds, result.seconds, static_cast<unsigned long long>(result.moves),
                result.stoppedByTime ? ", stopped by the time limit" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty()) {
            throw UsageError("no command");
        }
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "verify") {
            return Verify(Options(rest, {}));
        }
        if (args[0] == "generate") {
            return Generate(Options(rest, {"--replace"}));
        }
        throw UsageError("unknown command " + args[0]);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "ordavex_matrices: %s\n%s", error.what(), kUsage);
        return kExitUsage;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "ordavex_matrices: %s\n", error.what());
        return kExitUsage;
    } catch (const std::length_error& error) {
        std::fprintf(stderr, "ordavex_matrices: %s\n", error.what());
        return kExitUsage;
    }
}
