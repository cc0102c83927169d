#include "guarantee/parallel_runs.h"

#include <utility>
#include <vector>

namespace ordavex {

std::thread StartThread(std::function<void()> work) { return std::thread(std::move(work)); }

void RunInParallel(std::size_t count, const std::function<void(std::size_t)>& run, const std::function<void()>& stop,
                   const ThreadStarter& start) {
    std::vector<std::thread> threads;
    const auto joinAll = [&threads] {
        for (std::thread& thread : threads) {
            if (thread.joinable()) thread.join();
        }
    };
    // Reserved first, so that keeping a started thread cannot fail and lose it.
    threads.reserve(count);
    try {
        for (std::size_t i = 1; i < count; ++i) {
            threads.push_back(start([&run, i] { run(i); }));
        }
    } catch (...) {
        stop();
        joinAll();
        throw;
    }
    if (count > 0) run(0);
    joinAll();
}

}  // namespace ordavex
