#include "guarantee/parallel_runs.h"

#include <gtest/gtest.h>

#include <limits>
#include <system_error>

#include "guarantee/matrix_generator.h"

namespace ordavex {
namespace {

// A run that could not start all its searches must stop and wait for the ones already running:
// dropping a running thread ends the program, and leaving it running would never end the run.
TEST(ParallelRunsTest, AThreadThatCannotStartStopsTheSearchesAlreadyRunningAndIsReported) {
    GeneratorSettings settings;
    settings.numbers = 15;
    settings.length = 6;
    settings.drawn = 6;
    settings.points = 4;
    settings.threads = 3;
    settings.patience = std::numeric_limits<std::uint64_t>::max();
    settings.seconds = 1e6;
    int starts = 0;
    const ThreadStarter failingSecondStart = [&starts](std::function<void()> work) {
        if (++starts == 2) {
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return StartThread(std::move(work));
    };
    EXPECT_THROW(MatrixGenerator(settings, failingSecondStart).Run(), std::system_error);
    EXPECT_EQ(starts, 2);
}

}  // namespace
}  // namespace ordavex
