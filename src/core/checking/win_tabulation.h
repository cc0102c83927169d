#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "checking/draw_marks.h"

namespace ordavex {

// Scores 0..10 have a tick box each; a higher score is counted and listed nowhere.
constexpr int kHighestReportedScore = 10;

// Indexed by the score: true when that score is wanted in the reports.
using WantedScores = std::array<bool, kHighestReportedScore + 1>;
// How many combinations reached each score 0..10.
using ScoreTally = std::array<std::int32_t, kHighestReportedScore + 1>;

enum class ReportKind { kGeneral, kWinners };

extern const char* const kTooFewDrawnMessage;    // "Selezionare almeno 2 numer1 ..!"
extern const char* const kNoScoreTickedMessage;  // "Spuntare punteggi da visualizzare ..!"

// Points of one combination: the marked numbers among its pieces (the line split at single
// blanks). A number written twice in the line scores once, since one drawn number can match a
// play only once; pieces that are not numbers from 1 to 90 score nothing.
int Score(std::string_view line, const DrawnFlags& drawn);

ScoreTally TallyScores(const LineList& system, const DrawnFlags& drawn);

// "punti 10 ... n" down to "punti 00 ... n", one line for each wanted score.
std::vector<std::string> GeneralTable(const LineList& system, const DrawnFlags& drawn, const WantedScores& wanted);

// "007 ... <line> ... 5" for each combination whose score is wanted, in the system's order.
std::vector<std::string> WinnersList(const LineList& system, const DrawnFlags& drawn, const WantedScores& wanted);

// What pressing "VERIFICA VINCITE" does: either a message to show, leaving the list as it is,
// or the list's new content (which may be empty).
struct VerifyOutcome {
    std::string message;
    std::vector<std::string> lines;

    bool HasMessage() const { return !message.empty(); }
};

VerifyOutcome VerifyWins(const LineList& system, const DrawMarks& marks, ReportKind kind, const WantedScores& wanted);

}  // namespace ordavex
