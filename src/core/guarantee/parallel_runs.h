#pragma once

#include <cstddef>
#include <functional>
#include <thread>

namespace ordavex {

// Starts a thread running the given work; a test hands in one that fails on purpose.
using ThreadStarter = std::function<std::thread(std::function<void()>)>;

std::thread StartThread(std::function<void()> work);

// Runs run(i) for every i below count: run(0) on the calling thread, each other on a thread of its
// own, and returns once all have ended. If a thread cannot be started, stop() is called so that the
// runs already started end early, they are joined, and the starter's failure is thrown: a running
// thread must never be dropped, since that ends the whole program. run must not throw.
void RunInParallel(std::size_t count, const std::function<void(std::size_t)>& run, const std::function<void()>& stop,
                   const ThreadStarter& start = StartThread);

}  // namespace ordavex
