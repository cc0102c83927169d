#include "checking/numbered_line.h"

#include "app/number_text.h"

namespace ordavex {

namespace {
constexpr int kViewerDigits = 3;
constexpr std::string_view kViewerSeparator = ")  ";
}  // namespace

std::string ViewerItem(std::int32_t position, std::string_view line) {
    std::string item = ZeroPadded(position, kViewerDigits);
    item.reserve(item.size() + kViewerSeparator.size() + line.size());
    item += kViewerSeparator;
    item += line;
    return item;
}

}  // namespace ordavex
