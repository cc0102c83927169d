#include "checking/win_tabulation.h"

#include <algorithm>
#include <bit>

#include "app/number_text.h"

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

// A set of numbers 1..90 as bits of two words. Scoring a line as the size of the common part of
// its set and the draw's set counts a number written twice once, and needs no branch per number.
class NumberSet {
public:
    void Add(int n) {
        const auto bit = std::uint64_t{1} << (n % 64);
        (n < 64 ? low_ : high_) |= bit;
    }
    int CountCommon(const NumberSet& other) const {
        return std::popcount(low_ & other.low_) + std::popcount(high_ & other.high_);
    }

private:
    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

NumberSet NumbersOfDraw(const DrawnFlags& drawn) {
    NumberSet draw;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (drawn[static_cast<std::size_t>(n)]) draw.Add(n);
    }
    return draw;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The numbers 1..90 among the pieces of the line (split at single blanks). A direct scan instead
// of converting each piece: every press reads every piece of the system, and this keeps a system
// of 100,000 lines within a few milliseconds. A piece counts only when it is an optionally
// "+"-signed run of digits worth 1..90; anything else can match no drawn number.
NumberSet NumbersOfLine(std::string_view line) {
    NumberSet numbers;
    const char* position = line.data();
    const char* const end = position + line.size();
    while (position != end) {
        // Developed systems write every number with two digits: read those at once.
        if (end - position >= 2 && IsDigit(position[0]) && IsDigit(position[1]) &&
            (end - position == 2 || position[2] == ' ')) {
            const int value = (position[0] - '0') * 10 + (position[1] - '0');
            if (value >= kLowestNumber && value <= kHighestNumber) numbers.Add(value);
            position += end - position == 2 ? 2 : 3;
            continue;
        }
        bool number = *position != '-';
        if (*position == '+' || *position == '-') ++position;
        bool digits = false;
        int value = 0;
        for (; position != end && *position != ' '; ++position) {
            if (!IsDigit(*position)) {
                number = false;
            } else {
                digits = true;
                if (value <= kHighestNumber) value = value * 10 + (*position - '0');
            }
        }
        if (number && digits && value >= kLowestNumber && value <= kHighestNumber) numbers.Add(value);
        if (position != end) ++position;  // the blank that ended the piece
    }
    return numbers;
}

bool AnyWanted(const WantedScores& wanted) { return std::find(wanted.begin(), wanted.end(), true) != wanted.end(); }

}  // namespace

int Score(std::string_view line, const DrawnFlags& drawn) {
    return NumbersOfLine(line).CountCommon(NumbersOfDraw(drawn));
}

ScoreTally TallyScores(const LineList& system, const DrawnFlags& drawn) {
    const auto draw = NumbersOfDraw(drawn);
    ScoreTally tally{};
    for (const auto& line : system) {
        const int score = NumbersOfLine(line).CountCommon(draw);
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
        const int score = NumbersOfLine(system[i]).CountCommon(draw);
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
