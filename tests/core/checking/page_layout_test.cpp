#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checking/page_layout.h"
#include "checking/print_document.h"
#include "forecast/development.h"

namespace ordavex {
namespace {

// A page of 100 characters by 60 lines.
constexpr PageRoom kRoom{1000, 600, 10, 10};

void FillLines(AppState& state, int count) {
    LineList lines;
    for (int i = 0; i < count; ++i) lines.push_back("01 02 03 04 " + std::to_string(10 + i % 80));
    state.ReplaceSystem(lines);
}

// Every entry on exactly one page and column, in the document's order, no column longer than
// the rows of a page.
void ExpectEachEntryOnceInOrder(const PageLayout& layout, std::size_t entries) {
    std::size_t next = 0;
    for (std::size_t page = 0; page < layout.PageCount(); ++page) {
        const auto columns = layout.ColumnsOf(page);
        ASSERT_FALSE(columns.empty()) << "page " << page << " is empty";
        ASSERT_LE(columns.size(), layout.ColumnsPerPage());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            EXPECT_EQ(columns[c].first, next) << "page " << page << " column " << c;
            EXPECT_LE(columns[c].count, layout.RowsPerColumn());
            if (c > 0) {
                EXPECT_GT(columns[c].left, columns[c - 1].left);
            }
            next += columns[c].count;
        }
    }
    EXPECT_EQ(next, entries);
    EXPECT_TRUE(layout.ColumnsOf(layout.PageCount()).empty());
}

TEST(PageLayout, PagesForOneHundredAndTenThousandLines) {
    // Header of four lines, a blank one, the rows, a blank one and the footer: 53 rows. An entry
    // "001)  01 02 03 04 10" is 20 characters, with 4 between columns: 4 columns.
    const struct {
        int lines;
        std::size_t pages;
    } cases[] = {{1, 1}, {100, 1}, {212, 1}, {213, 2}, {10000, 48}};
    for (const auto& c : cases) {
        AppState state;
        FillLines(state, c.lines);
        const auto document = SystemPrintDocument(state, "01/02/2025 10:30");
        ASSERT_EQ(document.header.size(), 4u);
        const PageLayout layout(document, kRoom);
        EXPECT_EQ(layout.RowsPerColumn(), 53u) << c.lines;
        EXPECT_EQ(layout.ColumnsPerPage(), 4u) << c.lines;
        EXPECT_EQ(layout.PageCount(), c.pages) << c.lines;
        ExpectEachEntryOnceInOrder(layout, static_cast<std::size_t>(c.lines));
        EXPECT_EQ(layout.Footer(0), "Pagina 1 di " + std::to_string(c.pages));
    }
}

TEST(PageLayout, RowsAndPlacesOfHeaderEntriesAndFooter) {
    AppState state;
    FillLines(state, 1000);
    const auto document = SystemPrintDocument(state, "t");
    const PageLayout layout(document, kRoom);
    // Labels up to "1000)" are right-aligned in five characters, the text two blanks after them.
    EXPECT_EQ(layout.LabelChars(), 5u);
    EXPECT_DOUBLE_EQ(layout.TextLeft(), 70);
    EXPECT_EQ(layout.HeaderRow(0), 0u);
    EXPECT_EQ(layout.EntryRow(0), 5u);
    EXPECT_EQ(layout.FooterRow(), 59u);
    EXPECT_EQ(layout.EntryRow(layout.RowsPerColumn() - 1) + 2, layout.FooterRow());
    EXPECT_DOUBLE_EQ(layout.ColumnsOf(0)[1].left, (21 + 4) * 10);
    EXPECT_EQ(layout.PageCount(), 5u);
    EXPECT_EQ(layout.Footer(4), "Pagina 5 di 5");
}

TEST(PageLayout, AnEntryWiderThanThePageTakesOneColumnAndATinyPageOneRow) {
    PrintDocument wide{{"h"}, {{"", std::string(300, 'x')}, {"", "y"}}};
    const PageLayout oneColumn(wide, kRoom);
    EXPECT_EQ(oneColumn.ColumnsPerPage(), 1u);
    const PageLayout tiny(wide, PageRoom{1000, 5, 10, 10});
    EXPECT_EQ(tiny.RowsPerColumn(), 1u);
    EXPECT_EQ(tiny.PageCount(), 2u);
    const PageLayout empty(PrintDocument{{"h"}, {}}, kRoom);
    EXPECT_EQ(empty.PageCount(), 1u);
    EXPECT_TRUE(empty.ColumnsOf(0).empty());
}

TEST(PrintDocument, HeaderTellsWhereTheSystemCameFromItsForecastCountAndCost) {
    AppState state;
    FillLines(state, 84);
    state.StakeCents = 150;
    state.Source.kind = SystemSource::Kind::kDeveloped;
    state.Source.name = "10-05-03-4";
    state.Source.forecast[3] = kForecastFixed;
    state.Source.forecast[7] = kForecastSelected;
    state.Source.forecast[90] = kForecastFixed;
    const auto document = SystemPrintDocument(state, "31/12/2025 18:05");
    ASSERT_EQ(document.header.size(), 5u);
    EXPECT_EQ(document.header[0], "Ordavex  31/12/2025 18:05");
    EXPECT_EQ(document.header[1].rfind("Matrice: 10-05-03-4 - Garanzia", 0), 0u) << document.header[1];
    EXPECT_EQ(document.header[2], "Previsione: 03* 07 90* (* numero fisso)");
    EXPECT_EQ(document.header[3], "Combinazioni: 84");
    EXPECT_EQ(document.header[4], "Costo: 84 combinazioni × 1,50 € = 126,00 €");
    ASSERT_EQ(document.entries.size(), 84u);
    EXPECT_EQ(document.entries[0].label, "001)");
    EXPECT_EQ(document.entries[0].text, state.SystemCombinations[0]);
    EXPECT_EQ(document.entries[83].label, "084)");

    state.Source = {SystemSource::Kind::kLoaded, "Mio sistema.txt", {}};
    const auto loaded = SystemPrintDocument(state, "t");
    EXPECT_EQ(loaded.header[1], "Sistema caricato da file: Mio sistema.txt");
    EXPECT_EQ(loaded.header.size(), 4u) << "a loaded system has no forecast";
    EXPECT_EQ(ForecastLine({SystemSource::Kind::kDeveloped, "m", {}}), "Previsione:");
    EXPECT_EQ(PositionLabel(1000), "1000)");
}

TEST(PrintDocument, ADevelopedSystemKeepsItsMatrixAndForecastWhenTheSelectionChangesLater) {
    AppState state;
    state.ReplaceMatrix("MATRIX05_03_V2_N3", {"1 2 3", "3 4 5"}, 5);
    for (int n : {10, 20, 30, 40, 50}) state.ForecastStates[static_cast<std::size_t>(n)] = kForecastSelected;
    state.ForecastStates[40] = kForecastFixed;
    state.RecountForecast();
    ASSERT_TRUE(DevelopSystem(state).developed);
    state.ClearForecast();
    const auto header = SystemPrintDocument(state, "t").header;
    EXPECT_EQ(header[1].rfind("Matrice: MATRIX05_03_V2_N3 - ", 0), 0u) << header[1];
    EXPECT_EQ(header[2], "Previsione: 10 20 30 40* 50 (* numero fisso)");
}

TEST(PrintDocument, AReportAddsTheDrawAndTheKindAndListsItsLinesUnlabelled) {
    AppState state;
    FillLines(state, 3);
    const auto document = ReportPrintDocument(state, "t", "01 02 03", "Vincenti (punti 2 3)",
                                              {"001 ... 01 02 03 04 10 ... 3", "002 ... 01 02 03 04 11 ... 3"});
    ASSERT_EQ(document.header.size(), 6u);
    EXPECT_EQ(document.header[4], "Estrazione: 01 02 03");
    EXPECT_EQ(document.header[5], "Vincite: Vincenti (punti 2 3)");
    ASSERT_EQ(document.entries.size(), 2u);
    EXPECT_EQ(document.entries[1].label, "");
    EXPECT_EQ(document.entries[1].text, "002 ... 01 02 03 04 11 ... 3");
    EXPECT_EQ(PageLayout(document, kRoom).LabelChars(), 0u);
    EXPECT_DOUBLE_EQ(PageLayout(document, kRoom).TextLeft(), 0);
}

}  // namespace
}  // namespace ordavex
