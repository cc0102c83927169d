// The matrix generator: how soon it answers a stop on the largest table it holds (every 10 drawn
// out of 30 numbers, 30,045,015 sets, some 540 MB for one search), and how many moves a second
// its two methods make on a small case. The stop counters give the milliseconds from the request
// to the end of the search and to the return of Run, which also gives the table's memory back.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <limits>
#include <thread>

#include "guarantee/matrix_generator.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Stops the search of 6 points if 10 of 30 are drawn after state.range(0) milliseconds: while the
// table is filled, and twice during the greedy start.
void BM_GeneratorStopOnTheLargestTable(benchmark::State& state) {
    for (auto _ : state) {
        ordavex::GeneratorSettings settings;
        settings.numbers = 30;
        settings.length = 10;
        settings.drawn = 10;
        settings.points = 6;
        settings.threads = 1;
        settings.seconds = std::numeric_limits<double>::infinity();
        std::atomic<bool> stop{false};
        settings.stopRequested = [&stop] { return stop.load(); };
        Clock::time_point requested;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
            requested = Clock::now();
            stop = true;
        });
        const Clock::time_point started = Clock::now();
        const ordavex::GeneratorResult result = ordavex::MatrixGenerator(settings).Run();
        const double returned = MillisecondsSince(requested);
        stopper.join();
        const double requestedAt = std::chrono::duration<double>(requested - started).count();
        state.counters["search_end_ms"] = (result.seconds - requestedAt) * 1000;
        state.counters["return_ms"] = returned;
    }
}
BENCHMARK(BM_GeneratorStopOnTheLargestTable)
    ->Arg(300)
    ->Arg(3'000)
    ->Arg(10'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// 4 points if 6 of 15 are drawn, for a fixed number of moves without a smaller matrix.
void BM_GeneratorMoves(benchmark::State& state) {
    const bool annealing = state.range(0) != 0;
    for (auto _ : state) {
        ordavex::GeneratorSettings settings;
        settings.numbers = 15;
        settings.length = 6;
        settings.drawn = 6;
        settings.points = 4;
        settings.threads = 1;
        settings.seed = 3;
        settings.method = annealing ? ordavex::SearchMethod::kAnnealing : ordavex::SearchMethod::kWeighted;
        settings.patience = annealing ? 2'000'000 : 2'000;
        settings.seconds = std::numeric_limits<double>::infinity();
        const ordavex::GeneratorResult result = ordavex::MatrixGenerator(settings).Run();
        state.counters["lines"] = static_cast<double>(result.lines.size());
        state.counters["moves_per_s"] = static_cast<double>(result.moves) / result.seconds;
    }
}
BENCHMARK(BM_GeneratorMoves)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
