#include "test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace ordavex::test {

namespace {
std::filesystem::path UniqueFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto name =
        "ordavex-test-" + std::to_string(stamp) + "-" + std::to_string(seed()) + "-" + std::to_string(counter++);
    return std::filesystem::temp_directory_path() / name;
}
}  // namespace

TempFolder::TempFolder() : path_(UniqueFolder()) { std::filesystem::create_directories(path_); }

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Tests may leave a folder read-only; give the permissions back before removing it.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const { return (path_ / name).string(); }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const auto path = File(name);
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write test file " + path);
    return path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Lines(int count, const std::string& line, const std::string& end) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + end;
    return text;
}

namespace {

// The descriptors of the process whose target (as the system names it) passes `counts`; nothing
// where the system does not list them.
template <typename Counts>
std::optional<std::size_t> CountDescriptors(Counts counts) {
    const std::filesystem::path descriptors = "/proc/self/fd";
    std::error_code error;
    if (!std::filesystem::is_directory(descriptors, error)) return std::nullopt;
    std::size_t count = 0;
    for (auto entry = std::filesystem::directory_iterator(descriptors, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (counts(entry->path())) ++count;
    }
    if (error) return std::nullopt;
    return count;
}

}  // namespace

std::optional<std::size_t> OpenFileCount() {
    // The listing itself holds one descriptor while it runs, whichever call makes it.
    return CountDescriptors([](const std::filesystem::path&) { return true; });
}

std::optional<std::size_t> OpenFilesUnder(const std::filesystem::path& folder) {
    std::error_code error;
    const std::string inside = std::filesystem::weakly_canonical(folder, error).string() + "/";
    if (error) return std::nullopt;
    return CountDescriptors([&](const std::filesystem::path& descriptor) {
        std::error_code unreadable;
        // A descriptor closed since the listing began has no target any more.
        const std::string target = std::filesystem::read_symlink(descriptor, unreadable).string();
        return !unreadable && target.starts_with(inside);
    });
}

}  // namespace ordavex::test
