// Companion tool for the people who build matrices: proves the guarantee written in a matrix's
// file name and generates small matrices in the program's file format.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/error_number.h"
#include "app/native_file.h"
#include "app/program_arguments.h"
#include "app/utf8_path.h"
#include "combinations/system_save.h"
#include "guarantee/coverage_percent.h"
#include "guarantee/guarantee_checker.h"
#include "guarantee/guarantee_claim.h"
#include "guarantee/guarantee_matrix.h"
#include "guarantee/library_lookup.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/matrix_generator_output.h"
#include "guarantee/matrix_lower_bound.h"
#include "lottery/line_length.h"
#include "lottery/number_range.h"

namespace {

using namespace ordavex;

constexpr int kExitClaimFails = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInternal = 3;
// The file name carries the points as a single digit.
constexpr int kMostNamedPoints = 9;
// Each search holds its own table of the sets of drawn numbers.
constexpr int kMostThreads = 256;

const char* const kUsage =
    "usage:\n"
    "  ordavex_matrices verify FILE [--seconds S]\n"
    "      says whether the guarantee in the name holds (status 1 if not) and prints the profile\n"
    "  ordavex_matrices generate -n N -k K -p P -t T [options]\n"
    "      builds a small matrix of K-number lines over 1..N with T points whenever P are drawn\n"
    "  ordavex_matrices bound -n N -k K -p P -t T\n"
    "      prints the fewest lines any such matrix can have (the bound the search stops at)\n"
    "  ordavex_matrices --help | --version\n"
    "option of verify:\n"
    "  --seconds S         each check stops after S seconds (default 60)\n"
    "options of generate:\n"
    "  --fixed F           the numbers 1..F stand in every line (name ..._F<F>.TXT)\n"
    "  --budget L          at most L lines (marked _B<L>_T<T> when T points do not fully hold)\n"
    "  --seed S            the first search's seed (default 1); the others take S+1, S+2, ...\n"
    "  --seconds S         stop after S seconds of wall clock\n"
    "  --cpu-seconds S     stop once each search has used S seconds of processor time\n"
    "  --patience M        stop after M moves without a smaller matrix\n"
    "  --method M          alternating (default), annealing or weighted\n"
    "  --threads C         C searches side by side (default: one per core)\n"
    "  --out FOLDER        where MATRIXkk_pp_Vt_Nnn.TXT goes (default: the current folder)\n"
    "  --replace           replace an existing file of that name\n"
    "  --library FOLDER    start from the matrices of FOLDER for nearby plays too\n"
    "  --no-constructions  start from the greedy matrix only\n"
    "with no time limit the search stops after 60 s or 2000000 moves without a smaller matrix;\n"
    "Ctrl-C writes the best matrix found so far (exit status 130)\n"
    "values follow a blank or '=' (--seconds=30); numbers are whole, seconds may have a fraction\n"
    "the full description: docs/generator.md in the sources of Ordavex\n";

#ifndef ORDAVEX_VERSION
#define ORDAVEX_VERSION "unknown"
#endif

constexpr int kExitInterrupted = 130;
// Beyond a million seconds (eleven days) a limit means "no limit" in practice, and it stays
// far inside what the clock's arithmetic holds.
constexpr double kMostSeconds = 1'000'000;

class UsageError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Set by SIGINT or SIGTERM; a signal handler may only write a flag of this type.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void RequestStop(int) { stopSignal = 1; }

// "1 line", "2 lines".
std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A whole number written in decimal digits only, within [least, most].
template <typename Number>
Number WholeNumber(const std::string& name, const std::string& text, Number least, Number most) {
    Number value{};
    const char* const end = text.data() + text.size();
    const bool digitsOnly =
        !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!digitsOnly || error != std::errc() || stop != end || value < least || value > most) {
        throw UsageError("option " + name + " needs a whole number from " + std::to_string(least) + " to " +
                         std::to_string(most) + ", not \"" + text + "\"");
    }
    return value;
}

// Seconds written as digits with an optional fraction ("90", "0.5"), above 0 and at most
// kMostSeconds: no sign, exponent, "inf" or "nan".
double Seconds(const std::string& name, const std::string& text) {
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    double value = 0;
    if (!whole.empty() && whole.size() <= 7 && std::all_of(whole.begin(), whole.end(), isDigit) &&
        (point == std::string::npos || (!fraction.empty() && std::all_of(fraction.begin(), fraction.end(), isDigit)))) {
        value = std::stod(text);
    }
    if (!(value > 0 && value <= kMostSeconds)) {
        throw UsageError("option " + name + " needs a number of seconds above 0 and at most 1000000, not \"" + text +
                         "\"");
    }
    return value;
}

// The options a command knows: one line each.
struct KnownOption {
    const char* name;
    bool takesValue;
};

// Arguments of the form "--name value", "--name=value" (or "-n value"), flags without a value,
// and the rest in their order.
class Options {
public:
    Options(const std::vector<std::string>& args, const std::vector<KnownOption>& known) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::string arg = args[i];
            if (arg.size() < 2 || arg[0] != '-') {
                positional_.push_back(arg);
                continue;
            }
            std::optional<std::string> value;
            if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg.resize(equals);
            }
            const auto option =
                std::find_if(known.begin(), known.end(), [&](const KnownOption& o) { return arg == o.name; });
            if (option == known.end()) throw UsageError("unknown option " + arg);
            if (!option->takesValue) {
                if (value) throw UsageError("option " + arg + " takes no value");
                values_[arg] = "";
                continue;
            }
            if (!value) {
                if (i + 1 == args.size()) throw UsageError("option " + arg + " needs a value");
                value = args[++i];
            }
            if (!values_.emplace(arg, *value).second) throw UsageError("option " + arg + " given twice");
        }
    }
    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    template <typename Number>
    Number Whole(const std::string& name, Number fallback, Number least, Number most) const {
        const auto found = values_.find(name);
        return found == values_.end() ? fallback : WholeNumber(name, found->second, least, most);
    }
    int Required(const std::string& name, int least, int most) const {
        if (!Has(name)) throw UsageError("missing option " + name);
        return Whole(name, 0, least, most);
    }
    double SecondsOf(const std::string& name, double fallback) const {
        const auto found = values_.find(name);
        return found == values_.end() ? fallback : Seconds(name, found->second);
    }
    std::string Text(const std::string& name, const std::string& fallback) const {
        const auto found = values_.find(name);
        return found == values_.end() ? fallback : found->second;
    }

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
};

bool AsksForHelp(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; }) !=
           args.end();
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

// "1..2" or "1": the fixed numbers of a matrix.
std::string FixedNumbersText(int fixed) { return fixed == 1 ? "1" : "1.." + std::to_string(fixed); }

std::string FixedNumbersNamed(int fixed) {
    return std::string(fixed == 1 ? "the fixed number " : "the fixed numbers ") + FixedNumbersText(fixed);
}

// What the draws looked at hold besides their count: nothing, or the fixed numbers.
std::string FixedCondition(int fixed) { return fixed == 0 ? "" : " that hold " + FixedNumbersNamed(fixed); }
std::string FixedAmongDrawn(int fixed) { return fixed == 0 ? "" : ", " + FixedNumbersNamed(fixed) + " among them"; }

void PrintProfile(const std::vector<int>& profile, int fixed) {
    std::printf("profile (points guaranteed when p numbers are drawn%s):\n  p:", FixedAmongDrawn(fixed).c_str());
    for (std::size_t p = 1; p <= profile.size(); ++p) {
        std::printf(" %2zu", p);
    }
    std::printf("\n  t:");
    for (int points : profile) {
        if (points == kPointsUnknown) {
            std::printf("  ?");
        } else if (points == kPointsNotApplicable) {
            std::printf("  -");
        } else {
            std::printf(" %2d", points);
        }
    }
    std::printf("\n");
}

// The time each check may take, from now.
CheckDeadline DeadlineIn(std::chrono::steady_clock::duration allowed) {
    return std::chrono::steady_clock::now() + allowed;
}

// "97.3% of the 125970 draws of 8 numbers (3401 not covered)".
void PrintCoverage(const char* title, const CoverageCount& count, int drawn, int fixed) {
    if (!count.completed) {
        // No draws when they are more than the count can hold.
        std::printf("%s: %s\n", title,
                    count.draws == 0 ? "too many draws to count" : "not counted within the time limit");
        return;
    }
    std::printf("%s: %s%% of the %llu draws of %d numbers%s (%llu not covered)\n", title,
                CoveragePercentText(count.Covered(), count.draws, '.').c_str(),
                static_cast<unsigned long long>(count.draws), drawn, FixedCondition(fixed).c_str(),
                static_cast<unsigned long long>(count.uncovered));
}

// The coverage of a claim whose check ended as `result`: a claim that holds covers every draw.
CoverageCount CoverageAfter(const ClaimResult& result, const GuaranteeChecker& checker, int points, int drawn,
                            std::chrono::steady_clock::duration allowed) {
    if (result.status == ClaimStatus::kHolds) {
        const auto draws = checker.Draws(drawn);
        return {draws.has_value(), draws.value_or(0), 0};
    }
    if (result.status == ClaimStatus::kNotCompleted) return {};
    return checker.CountCoverage(points, drawn, DeadlineIn(allowed));
}

// The fixed numbers of the claim as the lines hold them; prints what fails, returns whether it holds.
bool VerifyFixedNumbers(const GuaranteeClaim& claim, const GuaranteeMatrix& matrix) {
    if (claim.fixed == 0) return true;
    if (claim.fixed > claim.drawn) {
        std::printf("FAILS: %d fixed numbers cannot all be among %d drawn\n", claim.fixed, claim.drawn);
        return false;
    }
    const NumberMask fixed = NumberMask::FirstNumbers(claim.fixed);
    const auto missing = static_cast<std::size_t>(std::count_if(
        matrix.lines.begin(), matrix.lines.end(), [&](const NumberMask& line) { return (line & fixed) != fixed; }));
    if (missing > 0) {
        std::printf("FAILS: %s of %zu %s not hold %s\n", Counted(missing, "line", "lines").c_str(), matrix.lines.size(),
                    missing == 1 ? "does" : "do", FixedNumbersNamed(claim.fixed).c_str());
        return false;
    }
    std::printf("fixed numbers: every line holds %s\n", FixedNumbersText(claim.fixed).c_str());
    return true;
}

// Checks what the name promises, on the draws that hold its fixed numbers, with the coverage of
// the points claimed and of those a budget matrix aimed at; prints the verdict and returns
// whether the claim holds.
bool VerifyClaim(const std::optional<GuaranteeClaim>& claim, const GuaranteeMatrix& matrix,
                 const GuaranteeChecker& checker, std::chrono::steady_clock::duration allowed) {
    if (!claim) {
        std::printf("name: states no guarantee (characters 7-8, 10-11 and the one after the first V must be digits)\n");
        return false;
    }
    std::printf("name claims: %d points on %d-number lines when %d are drawn%s\n", claim->points, claim->length,
                claim->drawn, FixedAmongDrawn(claim->fixed).c_str());
    bool holds = true;
    if (matrix.shortestLine != claim->length || matrix.longestLine != claim->length) {
        std::printf("FAILS: lines hold %d to %d numbers, the name says %d\n", matrix.shortestLine, matrix.longestLine,
                    claim->length);
        holds = false;
    }
    if (claim->drawn < 1 || claim->drawn > matrix.numbers) {
        std::printf("FAILS: %d drawn out of %d numbers is impossible\n", claim->drawn, matrix.numbers);
        return false;
    }
    if (claim->budget > 0 && matrix.lines.size() > static_cast<std::size_t>(claim->budget)) {
        std::printf("FAILS: %s, the name allows at most %d\n", Counted(matrix.lines.size(), "line", "lines").c_str(),
                    claim->budget);
        holds = false;
    }
    if (!VerifyFixedNumbers(*claim, matrix)) {
        return false;
    }
    const ClaimResult result = checker.CheckClaim(claim->points, claim->drawn, DeadlineIn(allowed));
    switch (result.status) {
        case ClaimStatus::kHolds:
            std::printf("guarantee: holds%s\n",
                        claim->fixed == 0 ? "" : (" on the draws" + FixedCondition(claim->fixed)).c_str());
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
    if (result.status != ClaimStatus::kNotCompleted) {
        PrintCoverage("coverage", CoverageAfter(result, checker, claim->points, claim->drawn, allowed), claim->drawn,
                      claim->fixed);
    }
    if (claim->aimedPoints > 0) {
        std::printf("aim (T mark): %d points when %d are drawn", claim->aimedPoints, claim->drawn);
        if (claim->budget > 0)
            std::printf(", in at most %s", Counted(static_cast<std::size_t>(claim->budget), "line", "lines").c_str());
        std::printf("\n");
        PrintCoverage("coverage of the aim",
                      checker.CountCoverage(claim->aimedPoints, claim->drawn, DeadlineIn(allowed)), claim->drawn,
                      claim->fixed);
    }
    return holds;
}

GuaranteeMatrix ReadMatrix(const std::string& path, CheckDeadline deadline) {
    try {
        return ReadGuaranteeMatrixFile(path, deadline);
    } catch (const OrdavexError& error) {
        throw UsageError("cannot read " + path + ": " + ErrorMessage(error.Number()) + " (error " +
                         std::to_string(error.Number()) + ")");
    }
}

int Verify(const Options& options) {
    if (options.Positional().size() != 1) {
        throw UsageError("verify takes one file");
    }
    const std::string path = options.Positional()[0];
    const auto allowed = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(options.SecondsOf("--seconds", 60)));
    const GuaranteeMatrix matrix = ReadMatrix(path, std::chrono::steady_clock::now() + allowed);
    std::printf("%s\n", Utf8FromPath(PathFromUtf8(path).filename()).c_str());
    std::printf("numbers: %d, %s, numbers per line: %d", matrix.numbers,
                Counted(matrix.lines.size(), "line", "lines").c_str(), matrix.longestLine);
    if (matrix.shortestLine != matrix.longestLine) {
        std::printf(" (shortest %d)", matrix.shortestLine);
    }
    std::printf("\n");
    bool sound = true;
    if (!matrix.consecutive) {
        std::printf("FAILS: the numbers used are not exactly 1..%d\n", matrix.numbers);
        sound = false;
    }
    if (matrix.shortestLine < kShortestCombination || matrix.longestLine > kLongestCombination) {
        std::printf("FAILS: the program loads lines of 5 to 10 numbers only\n");
        sound = false;
    }
    // The guarantee of a matrix with fixed numbers is promised for the draws that hold them, and
    // is checked on those alone; fixed numbers that no draw of the claim can hold are refused by
    // the claim's check.
    const auto claim = ClaimOfMatrixName(path);
    const int fixed = claim && claim->fixed <= std::min(claim->drawn, matrix.numbers) ? claim->fixed : 0;
    const GuaranteeChecker checker(matrix.lines, matrix.numbers, fixed);
    // The name's claim comes first, so the profile cannot use up its time.
    const bool claimHolds = VerifyClaim(claim, matrix, checker, allowed);
    PrintProfile(checker.Profile(DeadlineIn(allowed)), fixed);
    return sound && claimHolds ? 0 : kExitClaimFails;
}

std::string ProgramLimitsError(int length, int points) {
    if (length < kShortestCombination || length > kLongestCombination) {
        return "k = " + std::to_string(length) + ": the program loads matrices whose lines hold 5 to 10 numbers";
    }
    if (points > kMostNamedPoints) {
        return "t = " + std::to_string(points) + ": the file name carries 1 to 9 points";
    }
    return {};
}

// The folder a generation writes into, made when missing; checked before the search, like the
// file names, so that a run of minutes never ends in a folder that cannot take its matrix.
std::string PreparedFolder(const std::string& folder) {
    const std::string shown = folder.empty() ? "." : folder;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(shown), error);
    if (!std::filesystem::exists(status)) {
        std::filesystem::create_directories(PathFromUtf8(shown), error);
        if (error) throw UsageError("--out " + shown + ": the folder cannot be made (" + error.message() + ")");
    } else if (!std::filesystem::is_directory(status)) {
        throw UsageError("--out " + shown + ": not a folder");
    }
    if (!MayWrite(shown)) throw UsageError("--out " + shown + ": the folder cannot be written");
    return shown;
}

// A matrix file in the folder, refused when it exists already unless it may be replaced.
std::string CheckedOutputPath(const std::string& folder, const std::string& name, bool replace) {
    const std::string path = Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(name));
    try {
        if (ReplaceableFileLength(path) > 0 || ExaminePath(path).exists) {
            if (!replace) throw UsageError(path + " exists already (add --replace to overwrite it)");
        }
    } catch (const OrdavexError& failure) {
        throw UsageError("cannot write " + path + ": " + ErrorMessage(failure.Number()) + " (error " +
                         std::to_string(failure.Number()) + ")");
    }
    return path;
}

void PrintProgress(const GeneratorProgress& progress) {
    const std::string lines = Counted(progress.lines, "line", "lines");
    const std::string uncovered = Counted(progress.uncovered, "set", "sets");
    if (!progress.searching) {
        std::fprintf(stderr, "%7.1f s: start, %s, %s uncovered\n", progress.seconds, lines.c_str(), uncovered.c_str());
        return;
    }
    const double movesPerSecond = static_cast<double>(progress.moves) / std::max(progress.seconds, 1e-3);
    if (progress.bestLines == 0) {
        std::fprintf(stderr, "%7.1f s: %s, %s uncovered, fewest within the budget %llu, %.0f moves/s\n",
                     progress.seconds, lines.c_str(), uncovered.c_str(),
                     static_cast<unsigned long long>(progress.bestUncovered), movesPerSecond);
        return;
    }
    std::fprintf(stderr, "%7.1f s: %s, %s uncovered, smallest complete %zu, %.0f moves/s\n", progress.seconds,
                 lines.c_str(), uncovered.c_str(), progress.bestLines, movesPerSecond);
}

SearchMethod MethodOf(const std::string& name) {
    const std::map<std::string, SearchMethod> methods = {{"alternating", SearchMethod::kAlternating},
                                                         {"annealing", SearchMethod::kAnnealing},
                                                         {"weighted", SearchMethod::kWeighted}};
    const auto found = methods.find(name);
    if (found == methods.end()) {
        throw UsageError("--method " + name + ": the methods are alternating, annealing and weighted");
    }
    return found->second;
}

// Without a time limit on the command line a search stops after this long or this many moves
// without a smaller matrix, whichever comes first.
constexpr double kDefaultSeconds = 60;
constexpr std::uint64_t kDefaultPatience = 2'000'000;
constexpr std::uint64_t kMostBudget = 1'000'000;

// The settings a generation's options give, refused with the reason when they cannot make a
// matrix the program loads.
GeneratorSettings GenerationSettings(const Options& options) {
    constexpr auto kMostCount = std::numeric_limits<std::uint64_t>::max();
    GeneratorSettings settings;
    settings.numbers = options.Required("-n", 1, kHighestNumber);
    settings.length = options.Required("-k", 1, kHighestNumber);
    settings.drawn = options.Required("-p", 1, kHighestNumber);
    settings.points = options.Required("-t", 1, kHighestNumber);
    settings.fixed = options.Whole<int>("--fixed", 0, 0, kHighestNumber);
    settings.budget = static_cast<std::size_t>(options.Whole<std::uint64_t>("--budget", 0, 1, kMostBudget));
    settings.seed = options.Whole<std::uint64_t>("--seed", 1, 0, kMostCount);
    // A time limit asked for is used in full: the search then never ends by patience unless that
    // is asked for too.
    const bool timed = options.Has("--seconds") || options.Has("--cpu-seconds");
    settings.seconds = options.Has("--seconds") ? options.SecondsOf("--seconds", kDefaultSeconds)
                       : timed                  ? std::numeric_limits<double>::infinity()
                                                : kDefaultSeconds;
    if (options.Has("--cpu-seconds")) {
        settings.cpuSeconds = options.SecondsOf("--cpu-seconds", kDefaultSeconds);
    }
    if (options.Has("--patience")) {
        settings.patience = options.Whole<std::uint64_t>("--patience", kDefaultPatience, 1, kMostCount);
    } else if (!timed) {
        settings.patience = kDefaultPatience;
    }
    settings.method = MethodOf(options.Text("--method", "alternating"));
    const int cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    settings.threads = options.Whole<int>("--threads", cores, 1, kMostThreads);
    settings.constructions = !options.Has("--no-constructions");
    if (options.Has("--library")) {
        settings.library = LookupInFolders({options.Text("--library", "")});
    }
    std::string error = MatrixGenerator::SettingsError(settings);
    if (error.empty()) {
        error = ProgramLimitsError(settings.length, settings.points);
    }
    if (!error.empty()) {
        throw UsageError(error);
    }
    return settings;
}

std::string CompleteName(const GeneratorSettings& settings) {
    return ConventionalMatrixName(settings.numbers, settings.length, settings.drawn, settings.points, settings.fixed);
}

// The name of lines that a budget left short of the points aimed at: by the points that fully hold.
std::string BudgetName(const GeneratorSettings& settings, int pointsHeld) {
    return ConventionalMatrixName(settings.numbers, settings.length, settings.drawn, pointsHeld, settings.fixed,
                                  BudgetMarks{settings.budget, settings.points});
}

// Every name the result may take: the complete matrix's, and within a budget those of the
// points that may hold short of the aim (at least the fixed numbers, which every line holds).
std::vector<std::string> PossibleNames(const GeneratorSettings& settings) {
    std::vector<std::string> names = {CompleteName(settings)};
    for (int held = settings.fixed; settings.budget > 0 && held < settings.points; ++held) {
        names.push_back(BudgetName(settings, held));
    }
    return names;
}

// The name that states what the lines keep, once the independent check has proved it on the draws
// that hold the fixed numbers; empty, with what failed printed, when the check disagrees with the
// generator.
std::string ProvedName(const GeneratorSettings& settings, const GeneratorResult& result) {
    const GuaranteeChecker checker(result.lines, settings.numbers, settings.fixed);
    if (!checker.LinesHoldTheFixedNumbers()) {
        std::fprintf(stderr, "ordavex_matrices: internal error, a generated line lacks the fixed numbers\n");
        return {};
    }
    if (result.uncovered == 0) {
        const ClaimResult proof = checker.CheckClaim(settings.points, settings.drawn);
        if (proof.status != ClaimStatus::kHolds) {
            std::fprintf(stderr, "ordavex_matrices: internal error, the generated matrix misses %s\n",
                         NumbersText(proof.counterexample).c_str());
            return {};
        }
        return CompleteName(settings);
    }
    const CoverageCount count = checker.CountCoverage(settings.points, settings.drawn);
    if (!count.completed || count.uncovered != result.uncovered) {
        std::fprintf(
            stderr, "ordavex_matrices: internal error, the generator counted %llu draws uncovered, the check %llu\n",
            static_cast<unsigned long long>(result.uncovered), static_cast<unsigned long long>(count.uncovered));
        return {};
    }
    return BudgetName(settings, checker.GuaranteedPoints(settings.drawn, settings.points - 1));
}

void PrintGenerated(const std::string& file, const GeneratorSettings& settings, const GeneratorResult& result) {
    std::string shortfall;
    if (result.uncovered > 0) {
        shortfall = ", " + std::to_string(result.uncovered) + " of " + std::to_string(result.sets) + " draws without " +
                    std::to_string(settings.points) + " points";
    }
    std::printf("%s: %s%s, lower bound %llu (found after %.1f s; %.1f s, %s in all%s)\n", file.c_str(),
                Counted(result.lines.size(), "line", "lines").c_str(), shortfall.c_str(),
                static_cast<unsigned long long>(result.lowerBound), result.bestSeconds, result.seconds,
                Counted(result.moves, "move", "moves").c_str(),
                result.interrupted     ? ", stopped on request"
                : result.stoppedByTime ? ", stopped by the time limit"
                                       : "");
}

int Generate(const Options& options) {
    if (!options.Positional().empty()) {
        throw UsageError("generate takes options only");
    }
    GeneratorSettings settings = GenerationSettings(options);
    const std::string folder = PreparedFolder(options.Text("--out", "."));
    for (const std::string& name : PossibleNames(settings)) {
        CheckedOutputPath(folder, name, options.Has("--replace"));
    }
    settings.progress = PrintProgress;
    settings.stopRequested = [] { return stopSignal != 0; };
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    const GeneratorResult result = MatrixGenerator(settings).Run();
    if (result.lines.empty()) {
        std::fprintf(stderr, "ordavex_matrices: stopped before the first matrix; nothing written\n");
        return kExitInterrupted;
    }
    // The result is proved by the independent check before it is written.
    const std::string name = ProvedName(settings, result);
    if (name.empty()) {
        return kExitInternal;
    }
    const std::string file = Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(name));
    try {
        WriteFileSafely(file, MatrixFileText(result.lines), SaveMode::Overwrite);
    } catch (const OrdavexError& failure) {
        throw UsageError("cannot write " + file + ": " + ErrorMessage(failure.Number()) + " (error " +
                         std::to_string(failure.Number()) + ")");
    }
    PrintGenerated(file, settings, result);
    return result.interrupted ? kExitInterrupted : 0;
}

// Each command with the options it knows; adding an option is one entry here.
const std::vector<KnownOption> kVerifyOptions = {{"--seconds", true}};
const std::vector<KnownOption> kGenerateOptions = {
    {"-n", true},
    {"-k", true},
    {"-p", true},
    {"-t", true},
    {"--fixed", true},
    {"--budget", true},
    {"--seed", true},
    {"--seconds", true},
    {"--cpu-seconds", true},
    {"--method", true},
    {"--patience", true},
    {"--threads", true},
    {"--out", true},
    {"--replace", false},
    {"--library", true},
    {"--no-constructions", false},
};

const std::vector<KnownOption> kBoundOptions = {{"-n", true}, {"-k", true}, {"-p", true}, {"-t", true}};

// The fewest lines any matrix of the play can have, as the generator's search knows it: a script
// skips the plays whose matrices could never be small enough.
int Bound(const Options& options) {
    const int numbers = options.Required("-n", 1, kHighestNumber);
    const int length = options.Required("-k", 1, kHighestNumber);
    const int drawn = options.Required("-p", 1, kHighestNumber);
    const int points = options.Required("-t", 1, kHighestNumber);
    if (const std::string error = MatrixGenerator::ParameterError(numbers, length, drawn, points); !error.empty()) {
        throw UsageError(error);
    }
    std::printf("%llu\n", static_cast<unsigned long long>(MatrixLowerBound(numbers, length, drawn, points)));
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError("no command");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help" ||
        ((command == "verify" || command == "generate") && AsksForHelp(rest))) {
        std::printf("%s", kUsage);
        return 0;
    }
    if (command == "--version") {
        std::printf("ordavex_matrices %s\n", ORDAVEX_VERSION);
        return 0;
    }
    if (command == "verify") return Verify(Options(rest, kVerifyOptions));
    if (command == "generate") return Generate(Options(rest, kGenerateOptions));
    if (command == "bound") return Bound(Options(rest, kBoundOptions));
    throw UsageError("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(ProgramArguments(argc, argv));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "ordavex_matrices: %s\ntry 'ordavex_matrices --help'\n", error.what());
    } catch (const ReadingTimedOut& error) {
        std::printf("guarantee: check not completed within the time limit (%s)\n", error.what());
        return kExitClaimFails;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "ordavex_matrices: out of memory\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ordavex_matrices: %s\n", error.what());
    }
    return kExitUsage;
}
