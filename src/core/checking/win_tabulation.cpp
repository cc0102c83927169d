#include "checking/win_tabulation.h"

#include <algorithm>

#include "app/number_text.h"
#include "checking/number_mask_of_line.h"

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

NumberMask NumbersOfDraw(const DrawnFlags& drawn) {
    NumberMask draw;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (drawn[static_cast<std::size_t>(n)]) draw.Set(n);
    }
    return draw;
}

bool AnyWanted(const WantedScores& wanted) { return std::find(wanted.begin(), wanted.end(), true) != wanted.end(); }

}  // namespace

int Score(std::string_view line, const DrawnFlags& drawn) {
    return CommonCount(NumberMaskOfLine(line), NumbersOfDraw(drawn));
}

ScoreTally TallyScores(const LineList& system, const DrawnFlags& drawn) {
    const auto draw = NumbersOfDraw(drawn);
    ScoreTally tally{};
    for (const auto& line : system) {
        const int score = CommonCount(NumberMaskOfLine(line), draw);
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
    const auto draw = NumbersOfDraw(drawn);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < system.size(); ++i) {
        const int score = CommonCount(NumberMaskOfLine(system[i]), draw);
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
