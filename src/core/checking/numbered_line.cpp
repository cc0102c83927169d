#include "checking/numbered_line.h"

namespace ordavex {

namespace {
constexpr int kViewerDigits = 3;
constexpr std::string_view kViewerSeparator = ")  ";
}  // namespace

std::string ZeroPadded(std::int64_t value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

std::string ViewerItem(std::int32_t position, std::string_view line) {
    std::string item = ZeroPadded(position, kViewerDigits);
    item.reserve(item.size() + kViewerSeparator.size() + line.size());
    item += kViewerSeparator;
    item += line;
    return item;
}

}  // namespace ordavex
