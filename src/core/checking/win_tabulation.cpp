#include "checking/win_tabulation.h"

#include <algorithm>
#include <bitset>

#include "checking/combination_pieces.h"
#include "checking/numbered_line.h"
#include "combinations/number_token.h"

namespace ordavex {

const char* const kTooFewDrawnMessage = "Selezionare almeno 2 numer1 ..!";
const char* const kNoScoreTickedMessage = "Spuntare punteggi da visualizzare ..!";

namespace {

constexpr int kMinimumDrawn = 2;
constexpr int kScoreDigits = 2;
constexpr int kPositionDigits = 3;
constexpr std::string_view kScorePrefix = "punti ";
constexpr std::string_view kFieldSeparator = " ... ";

bool IsReported(int score) { return score <= kHighestReportedScore; }

bool AnyWanted(const WantedScores& wanted) { return std::find(wanted.begin(), wanted.end(), true) != wanted.end(); }

}  // namespace

int Score(std::string_view line, const DrawnFlags& drawn) {
    std::bitset<kHighestNumber + 1> counted;
    int score = 0;
    ForEachPiece(line, [&](std::string_view piece) {
        const auto reading = ConvertNumberToken(piece);
        if (reading.error != 0 || reading.value < kLowestNumber || reading.value > kHighestNumber) return;
        const auto n = static_cast<std::size_t>(reading.value);
        if (drawn[n] && !counted[n]) {
            counted[n] = true;
            ++score;
        }
    });
    return score;
}

ScoreTally TallyScores(const LineList& system, const DrawnFlags& drawn) {
    ScoreTally tally{};
    for (const auto& line : system) {
        const int score = Score(line, drawn);
        if (IsReported(score)) ++tally[static_cast<std::size_t>(score)];
    }
    return tally;
}

std::vector<std::string> GeneralTable(const LineList& system, const DrawnFlags& drawn, const WantedScores& wanted) {
    std::vector<std::string> lines;
    const auto tally = TallyScores(system, drawn);
    for (int p = kHighestReportedScore; p >= 0; --p) {
        const auto index = static_cast<std::size_t>(p);
        if (!wanted[index]) continue;
        std::string line(kScorePrefix);
        line += ZeroPadded(p, kScoreDigits);
        line += kFieldSeparator;
        line += std::to_string(tally[index]);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> WinnersList(const LineList& system, const DrawnFlags& drawn, const WantedScores& wanted) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < system.size(); ++i) {
        const int score = Score(system[i], drawn);
        if (!IsReported(score) || !wanted[static_cast<std::size_t>(score)]) continue;
        std::string line = ZeroPadded(static_cast<std::int64_t>(i) + 1, kPositionDigits);
        line += kFieldSeparator;
        line += system[i];
        line += kFieldSeparator;
        line += std::to_string(score);
        lines.push_back(std::move(line));
    }
    return lines;
}

VerifyOutcome VerifyWins(const LineList& system, const DrawMarks& marks, ReportKind kind, const WantedScores& wanted) {
    VerifyOutcome outcome;
    if (marks.DrawnCount < kMinimumDrawn) {
        outcome.message = kTooFewDrawnMessage;
    } else if (kind == ReportKind::kGeneral) {
        outcome.lines = GeneralTable(system, marks.DrawnNumbers, wanted);
    } else if (!AnyWanted(wanted)) {
        outcome.message = kNoScoreTickedMessage;
    } else {
        outcome.lines = WinnersList(system, marks.DrawnNumbers, wanted);
    }
    return outcome;
}

}  // namespace ordavex
