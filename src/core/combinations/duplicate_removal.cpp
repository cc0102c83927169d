#include "duplicate_removal.h"

#include <algorithm>

#include "combinations/line_sort.h"

namespace ordavex {

namespace {

constexpr const char* kRemovedOpening = "Rimossi ";
constexpr const char* kRemovedClosing = " duplicati ..!";
constexpr const char* kNoneRemoved = "Nessun duplicato ..!";

}  // namespace

std::int32_t RemoveDuplicates(LineList& lines) {
    ShellSortLines(lines, false);
    const auto before = lines.size();
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return static_cast<std::int32_t>(before - lines.size());
}

std::string DuplicatesMessage(std::int32_t removed) {
    if (removed == 0) return kNoneRemoved;
    return kRemovedOpening + std::to_string(removed) + kRemovedClosing;
}

}  // namespace ordavex
