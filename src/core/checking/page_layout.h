#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "checking/print_document.h"

namespace ordavex {

// The room a page gives, measured in one unit of the caller's choice (device pixels, points):
// the printable area and the advance and line height of the fixed-pitch font.
struct PageRoom {
    double width = 0;
    double height = 0;
    double charWidth = 1;
    double lineHeight = 1;
};

// One column of entries on a page.
struct PageColumn {
    std::size_t first = 0;  // the document's entry at the top of the column
    std::size_t count = 0;
    double left = 0;  // from the printable area's left edge
};

// Where each entry of a document goes: every page repeats the header, leaves a blank line, fills
// as many columns as fit the widest entry, top to bottom and left to right, and ends with the
// footer "Pagina 1 di 3" on the last line of the printable area. A document without entries
// still has its one page.
class PageLayout {
public:
    PageLayout(const PrintDocument& document, const PageRoom& room);

    std::size_t PageCount() const { return pages_; }
    std::size_t ColumnsPerPage() const { return columns_; }
    std::size_t RowsPerColumn() const { return rows_; }
    // Characters of the widest label; labels are right-aligned within them.
    std::size_t LabelChars() const { return labelChars_; }
    // Where an entry's text starts, from its column's left edge.
    double TextLeft() const;
    // The columns of `page` (0-based) that hold entries, left to right.
    std::vector<PageColumn> ColumnsOf(std::size_t page) const;
    // The baseline row of header line i and of entry row r, as a multiple of the line height from
    // the top of the printable area: row 0 is the first line.
    std::size_t HeaderRow(std::size_t line) const { return line; }
    std::size_t EntryRow(std::size_t row) const { return headerLines_ + 1 + row; }
    std::size_t FooterRow() const { return lineCount_ - 1; }
    // "Pagina 1 di 3" for page 0 of three.
    std::string Footer(std::size_t page) const;

private:
    PageRoom room_;
    std::size_t entries_ = 0;
    std::size_t headerLines_ = 0;
    std::size_t lineCount_ = 0;
    std::size_t labelChars_ = 0;
    std::size_t columnChars_ = 0;
    std::size_t columns_ = 1;
    std::size_t rows_ = 1;
    std::size_t pages_ = 1;
};

}  // namespace ordavex
