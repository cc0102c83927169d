#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ordavex {

// Thrown by WorkProgress::Advance once the work has been cancelled, so that a reader deep in its
// loops stops at once; the work's entry point turns it into its own "cancelled" outcome.
struct WorkCancelled {};

// Shared between a thread that reads files and the window that shows how far it got and may stop
// it. Both sides may call any member at any time.
class WorkProgress {
public:
    // The work will read the file at `path` from start to end `times` times. A file whose size
    // cannot be learnt adds nothing: its progress is simply not shown.
    void ExpectFile(const std::string& path, int times = 1);
    // `bytes` more were read. Throws WorkCancelled once Cancel has been called.
    void Advance(std::size_t bytes);

    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // How much of the expected work is done, in thousandths (0 to 1000).
    int Thousandths() const;

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> done_{0};
    std::atomic<std::uint64_t> expected_{0};
};

}  // namespace ordavex
