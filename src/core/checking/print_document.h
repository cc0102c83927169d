#pragma once

#include <string>
#include <vector>

#include "app/app_state.h"

namespace ordavex {

// One entry of a printed list: a label (the viewer's "001)", right-aligned so that the numbers
// after it stand in line) and its text.
struct PrintEntry {
    std::string label;
    std::string text;
};

// What a printed page shows: the header lines, then the entries in columns.
struct PrintDocument {
    std::vector<std::string> header;
    std::vector<PrintEntry> entries;
};

// The system in memory: "Ordavex" with the time of printing, where the system came from, the
// forecast with its fixed numbers marked, the number of combinations and their cost at the
// state's stake; then every combination, numbered as the viewer numbers it.
PrintDocument SystemPrintDocument(const AppState& state, const std::string& printedAt);

// The report of a draw check: the same header, the drawn numbers and the kind of report, then
// the report's lines as the list shows them.
PrintDocument ReportPrintDocument(const AppState& state, const std::string& printedAt, const std::string& drawnNumbers,
                                  const std::string& reportName, const std::vector<std::string>& lines);

// "Matrice: <name> - Garanzia di ...", "Sistema caricato da file: <name>", or "Sistema in memoria"
// when the state does not know.
std::string SourceLine(const SystemSource& source);

// "Previsione: 03* 07* 12 20 (* numero fisso)": the forecast of a development in ascending order;
// empty for a system that was not developed.
std::string ForecastLine(const SystemSource& source);

// The viewer's label of a position without its blanks: "001)", "1000)".
std::string PositionLabel(std::size_t position);

}  // namespace ordavex
