#pragma once

#include <string>
#include <vector>

#include "app/app_state.h"
#include "checking/win_tabulation.h"

namespace ordavex {

// Texts for spreadsheets: ";" between fields, as Italian spreadsheets read by default, and CR LF
// after every row.

// "N;n1;n2;...;nk" with k the most numbers of a line, then one row per combination: its position
// from 1, then its numbers as stored; a shorter line leaves its last fields empty.
std::string SystemCsv(const LineList& system);

// The report of a draw check. The general table: "Punti;Combinazioni" and one row per score
// listed. The winners list: "N;n1;...;nk;Punti" and one row per winning combination.
std::string ReportCsv(ReportKind kind, const std::vector<std::string>& lines);

// The winning combinations of a winners list, as the system holds them, in the list's order.
LineList WinningCombinations(const std::vector<std::string>& lines);

}  // namespace ordavex
