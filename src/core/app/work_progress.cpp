#include "app/work_progress.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/utf8_path.h"

namespace ordavex {

namespace {
constexpr std::uint64_t kWhole = 1000;
}  // namespace

void WorkProgress::ExpectFile(const std::string& path, int times) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), error);
    if (error || times <= 0) return;
    expected_.fetch_add(static_cast<std::uint64_t>(size) * static_cast<std::uint64_t>(times),
                        std::memory_order_relaxed);
}

void WorkProgress::Advance(std::size_t bytes) {
    done_.fetch_add(bytes, std::memory_order_relaxed);
    if (Cancelled()) throw WorkCancelled{};
}

int WorkProgress::Thousandths() const {
    const std::uint64_t expected = expected_.load(std::memory_order_relaxed);
    if (expected == 0) return 0;
    // A file that grew while it was read must not show more than the whole.
    const std::uint64_t done = std::min(done_.load(std::memory_order_relaxed), expected);
    // Counted in the wider of the two forms, so that files of any size cannot overflow.
    return static_cast<int>(static_cast<long double>(done) * kWhole / static_cast<long double>(expected));
}

}  // namespace ordavex
