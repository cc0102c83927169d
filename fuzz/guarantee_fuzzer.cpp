// Feeds arbitrary bytes, as a matrix file, to the reader of the guarantee and to its checker:
// every reader must take the file as the program's loader does, and whatever the checker answers
// within its short time must be true (a counterexample really escapes every line; a claim said
// to hold on a small matrix really holds when every draw is tried). A matrix that loads is then
// developed onto a forecast and the result scored against a draw.
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/error_number.h"
#include "checking/draw_marks.h"
#include "checking/used_numbers.h"
#include "checking/win_tabulation.h"
#include "combinations/matrix_file.h"
#include "combinations/matrix_name.h"
#include "forecast/development.h"
#include "guarantee/guarantee_checker.h"
#include "guarantee/guarantee_claim.h"
#include "guarantee/guarantee_matrix.h"
#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {
namespace {

constexpr auto kCheckTime = std::chrono::milliseconds(2);
// Every draw of a matrix this small can be tried in a moment.
constexpr int kMostNumbersTriedInFull = 12;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "finding: %s\n", what);
        std::abort();
    }
}

std::string InputPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("ordavex_fuzz_" + std::to_string(std::random_device{}()) + "_MATRIX.TXT"))
                                        .string();
    return path;
}

int MostPointsOfDraw(const std::vector<NumberMask>& lines, NumberMask drawn) {
    int most = 0;
    for (const auto& line : lines) most = std::max(most, (line & drawn).Count());
    return most;
}

// Whether every `drawn` of 1..n meet some line in `points`, trying every draw.
bool HoldsByTryingAll(const std::vector<NumberMask>& lines, int n, int points, int drawn) {
    for (unsigned bits = 0; bits < (1U << n); ++bits) {
        if (std::popcount(bits) != drawn) continue;
        NumberMask draw;
        for (int k = 0; k < n; ++k) {
            if ((bits >> k & 1U) != 0) draw.Set(k + 1);
        }
        if (MostPointsOfDraw(lines, draw) < points) return false;
    }
    return true;
}

void CheckClaims(const GuaranteeMatrix& matrix, std::uint8_t pointsByte, std::uint8_t drawnByte) {
    const GuaranteeChecker checker(matrix.lines, matrix.numbers);
    const int drawn = 1 + drawnByte % matrix.numbers;
    const int points = pointsByte % (drawn + 2);
    const auto deadline = std::chrono::steady_clock::now() + kCheckTime;
    const ClaimResult result = checker.CheckClaim(points, drawn, deadline);
    if (result.status == ClaimStatus::kFails) {
        Require(static_cast<int>(result.counterexample.size()) == drawn, "counterexample of the wrong size");
        NumberMask draw;
        for (int number : result.counterexample) draw.Set(number);
        Require(draw.Count() == drawn && MostPointsOfDraw(matrix.lines, draw) < points, "false counterexample");
    }
    if (matrix.numbers <= kMostNumbersTriedInFull && result.status != ClaimStatus::kNotCompleted) {
        Require((result.status == ClaimStatus::kHolds) == HoldsByTryingAll(matrix.lines, matrix.numbers, points, drawn),
                "the checker's verdict is wrong");
    }
    const int guaranteed = checker.GuaranteedPoints(drawn, deadline);
    if (guaranteed != kPointsUnknown && matrix.numbers <= kMostNumbersTriedInFull) {
        Require(HoldsByTryingAll(matrix.lines, matrix.numbers, guaranteed, drawn), "a guarantee that does not hold");
    }
}

// Develops a loaded matrix onto a forecast made of the input's bytes and checks the draw against
// the developed system: every line keeps its count of different numbers, and no score exceeds it.
void DevelopAndCheck(const LoadedMatrix& loaded, std::string_view bytes) {
    AppState state;
    state.ReplaceMatrix(loaded.name, loaded.lines, loaded.numbers);
    std::mt19937 pick(static_cast<unsigned>(bytes.size()));
    std::vector<int> numbers;
    for (int k = kLowestNumber; k <= kHighestNumber; ++k) numbers.push_back(k);
    std::shuffle(numbers.begin(), numbers.end(), pick);
    for (int i = 0; i < loaded.numbers; ++i) {
        state.ForecastStates[static_cast<std::size_t>(numbers[static_cast<std::size_t>(i)])] =
            i % 3 == 0 ? kForecastFixed : kForecastSelected;
    }
    state.RecountForecast();
    try {
        const DevelopmentOutcome outcome = DevelopSystem(state);
        Require(outcome.developed, "a matching forecast was not developed");
    } catch (const OrdavexError&) {
        return;  // a line written with numbers beyond 16 bits is refused whole
    }
    Require(state.SystemCount == static_cast<std::int32_t>(loaded.lines.size()), "development lost lines");
    DrawnFlags drawn{};
    for (std::size_t i = 0; i < bytes.size() && i < static_cast<std::size_t>(kNumbersPerDraw); ++i)
        drawn[1 + static_cast<unsigned char>(bytes[i]) % kHighestNumber] = true;
    for (const auto& line : state.SystemCombinations) {
        const int score = Score(line, drawn);
        Require(score >= 0 && score <= kLongestCombination, "a score beyond the line");
    }
    (void)TallyScores(state.SystemCombinations, drawn);
    (void)UsedNumbers(state.SystemCombinations);
}

}  // namespace
}  // namespace ordavex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ordavex;
    if (size < 2) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::string path = InputPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const MatrixLoadResult loaded = LoadMatrixFile(path);
    try {
        const GuaranteeMatrix matrix = ReadGuaranteeMatrixFile(path);
        if (loaded.outcome == MatrixLoadOutcome::Loaded) {
            Require(ReadGuaranteeMatrix(loaded.matrix.lines).lines == matrix.lines, "readers disagree on the lines");
            Require(matrix.numbers == loaded.matrix.numbers && matrix.consecutive, "readers disagree on N");
            const NameFields fields = MatrixNameFields("MATRIX10_" + std::to_string(data[1] % 30) + "_V" +
                                                       std::to_string(data[0] % 10) + ".TXT");
            (void)GuaranteeToolTipText(loaded.matrix.lines, matrix.numbers, fields, kCheckTime);
            DevelopAndCheck(loaded.matrix, bytes);
        }
        CheckClaims(matrix, data[0], data[1]);
    } catch (const std::invalid_argument&) {
        Require(loaded.outcome != MatrixLoadOutcome::Loaded, "a matrix the program loads is unreadable to the check");
    } catch (const OrdavexError&) {
        Require(loaded.outcome != MatrixLoadOutcome::Loaded, "a matrix the program loads cannot be read again");
    }
    std::remove(path.c_str());
    return 0;
}
