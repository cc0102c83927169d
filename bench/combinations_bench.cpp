// Combination files and lists at the sizes of big matrices: 100,000 lines.
#include <benchmark/benchmark.h>

#include "random_lines.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "combinations/duplicate_removal.h"
#include "combinations/line_sort.h"
#include "combinations/matrix_file.h"

namespace ordavex {
namespace {

constexpr int kLines = 100000;
constexpr int kMatrixNumbers = 30;
constexpr int kLineLength = 10;

// Lines of ten different numbers out of 1..30, in random order within each line.
LineList RandomLines(int count, unsigned seed) {
    return bench::RandomLines(count, {kMatrixNumbers, kLineLength, false, 2}, seed);
}

class MatrixFile {
public:
    MatrixFile() {
        path_ = (std::filesystem::temp_directory_path() /
                 ("ordavex_bench_" + std::to_string(std::random_device{}()) + "_MATRIX10_08_V6.TXT"))
                    .string();
        std::ofstream out(path_, std::ios::binary);
        const LineList lines = RandomLines(kLines, 1);
        for (std::size_t i = 0; i < lines.size(); ++i) out << (i > 0 ? "\r\n" : "") << lines[i];
    }
    ~MatrixFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void BM_LoadAndValidateMatrix(benchmark::State& state) {
    const MatrixFile file;
    for (auto _ : state) {
        MatrixLoadResult result = LoadMatrixFile(file.Path());
        if (result.outcome != MatrixLoadOutcome::Loaded) state.SkipWithError("the matrix did not load");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file.Path())));
}
BENCHMARK(BM_LoadAndValidateMatrix)->Unit(benchmark::kMillisecond);

void BM_NormalizeAndSort(benchmark::State& state) {
    const LineList original = RandomLines(kLines, 2);
    for (auto _ : state) {
        state.PauseTiming();
        LineList lines = original;
        state.ResumeTiming();
        NormalizeCombinations(lines);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_NormalizeAndSort)->Unit(benchmark::kMillisecond);

// The sorting part alone, on lines already in "00" form.
void BM_SortNormalizedLines(benchmark::State& state) {
    LineList original = RandomLines(kLines, 2);
    NormalizeCombinations(original);
    std::shuffle(original.begin(), original.end(), std::mt19937(5));
    for (auto _ : state) {
        state.PauseTiming();
        LineList lines = original;
        state.ResumeTiming();
        ShellSortLines(lines, false);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_SortNormalizedLines)->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicates(benchmark::State& state) {
    // One line in ten repeats another.
    LineList original = RandomLines(kLines * 9 / 10, 3);
    for (int i = 0; i < kLines / 10; ++i) original.push_back(original[static_cast<std::size_t>(i * 7)]);
    std::shuffle(original.begin(), original.end(), std::mt19937(4));
    for (auto _ : state) {
        state.PauseTiming();
        LineList lines = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RemoveDuplicates(lines));
    }
}
BENCHMARK(BM_RemoveDuplicates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ordavex

BENCHMARK_MAIN();
