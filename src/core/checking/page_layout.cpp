#include "checking/page_layout.h"

#include <algorithm>
#include <cmath>

namespace ordavex {

namespace {

// Blanks between a label and its text, and between two columns.
constexpr std::size_t kLabelGapChars = 2;
constexpr std::size_t kColumnGapChars = 4;
// The blank line under the header and the one above the footer, and the footer itself.
constexpr std::size_t kLinesBesideEntries = 3;
constexpr const char* kFooterOpening = "Pagina ";
constexpr const char* kFooterMiddle = " di ";

// Characters of a UTF-8 text: the bytes that do not continue a character.
std::size_t CharsOf(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t WholeTimes(double length, double unit) {
    if (!(unit > 0) || !(length > 0)) return 0;
    return static_cast<std::size_t>(std::floor(length / unit));
}

}  // namespace

PageLayout::PageLayout(const PrintDocument& document, const PageRoom& room)
    : room_(room), entries_(document.entries.size()), headerLines_(document.header.size()) {
    std::size_t textChars = 0;
    for (const auto& entry : document.entries) {
        labelChars_ = std::max(labelChars_, CharsOf(entry.label));
        textChars = std::max(textChars, CharsOf(entry.text));
    }
    columnChars_ = labelChars_ + (labelChars_ > 0 ? kLabelGapChars : 0) + textChars;
    lineCount_ = std::max(WholeTimes(room.height, room.lineHeight), headerLines_ + kLinesBesideEntries + 1);
    rows_ = lineCount_ - headerLines_ - kLinesBesideEntries;
    const std::size_t pageChars = WholeTimes(room.width, room.charWidth);
    columns_ = std::max<std::size_t>((pageChars + kColumnGapChars) / (columnChars_ + kColumnGapChars), 1);
    const std::size_t perPage = rows_ * columns_;
    pages_ = std::max<std::size_t>((entries_ + perPage - 1) / perPage, 1);
}

double PageLayout::TextLeft() const {
    return static_cast<double>(labelChars_ + (labelChars_ > 0 ? kLabelGapChars : 0)) * room_.charWidth;
}

std::vector<PageColumn> PageLayout::ColumnsOf(std::size_t page) const {
    std::vector<PageColumn> columns;
    const std::size_t pageFirst = page * rows_ * columns_;
    for (std::size_t c = 0; c < columns_; ++c) {
        const std::size_t first = pageFirst + c * rows_;
        if (first >= entries_) break;
        const double left = static_cast<double>(c * (columnChars_ + kColumnGapChars)) * room_.charWidth;
        columns.push_back({first, std::min(rows_, entries_ - first), left});
    }
    return columns;
}

std::string PageLayout::Footer(std::size_t page) const {
    std::string footer = kFooterOpening;
    footer += std::to_string(page + 1);
    footer += kFooterMiddle;
    footer += std::to_string(pages_);
    return footer;
}

}  // namespace ordavex
