// The guaranteed points of a 100-line matrix of ten-number lines over 1..30 when 10 numbers are
// drawn (30,045,015 draws): the pruned search of the guarantee checker against a scan of every
// draw and every line. Both run in one process; the counters give their times and the ratio.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <vector>

#include "guarantee/guarantee_checker.h"

namespace {

using ordavex::NumberMask;

constexpr int kNumbers = 30;
constexpr int kLength = 10;
constexpr int kLines = 100;
constexpr int kDrawn = 10;

std::vector<NumberMask> RandomMatrix() {
    std::uint64_t state = 20261207;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % kNumbers) + 1;
    };
    std::vector<NumberMask> lines;
    for (int i = 0; i < kLines; ++i) {
        NumberMask line;
        while (line.Count() < kLength) {
            line.Set(next());
        }
        lines.push_back(line);
    }
    return lines;
}

// The least, over every draw of kDrawn numbers, of the most numbers a line shares with it.
int ScanEveryDraw(const std::vector<NumberMask>& lines) {
    std::array<int, kDrawn> index{};
    for (int i = 0; i < kDrawn; ++i) {
        index[static_cast<std::size_t>(i)] = i + 1;
    }
    int least = kDrawn;
    for (;;) {
        NumberMask draw;
        for (int number : index) {
            draw.Set(number);
        }
        int most = 0;
        for (const NumberMask& line : lines) {
            most = std::max(most, ordavex::CommonCount(line, draw));
        }
        least = std::min(least, most);
        int i = kDrawn - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == kNumbers - kDrawn + i + 1) {
            --i;
        }
        if (i < 0) {
            return least;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < kDrawn; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j) - 1] + 1;
        }
    }
}

// Processor time, so that other work on a shared machine does not weigh on either side.
double SecondsOf(const auto& work) {
    const std::clock_t start = std::clock();
    work();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

void BM_GuaranteeTenDrawnCheckerVersusScan(benchmark::State& state) {
    const std::vector<NumberMask> lines = RandomMatrix();
    const ordavex::GuaranteeChecker checker(lines, kNumbers);
    for (auto _ : state) {
        int checked = 0;
        int scanned = 0;
        const double checkerSeconds = SecondsOf([&] { checked = checker.GuaranteedPoints(kDrawn); });
        const double scanSeconds = SecondsOf([&] { scanned = ScanEveryDraw(lines); });
        if (checked != scanned) {
            state.SkipWithError("the checker and the scan disagree");
            return;
        }
        state.counters["points"] = checked;
        state.counters["checker_s"] = checkerSeconds;
        state.counters["scan_s"] = scanSeconds;
        state.counters["ratio"] = scanSeconds / checkerSeconds;
    }
}
BENCHMARK(BM_GuaranteeTenDrawnCheckerVersusScan)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
