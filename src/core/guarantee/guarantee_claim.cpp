#include "guarantee/guarantee_claim.h"

#include <algorithm>
#include <string>

namespace ordavex {

namespace {

// Longer fields cannot come from the name's two-character places; the limit keeps stoi in range.
constexpr std::size_t kLongestField = 4;
// The marks of a budget matrix: the points aimed at (one digit, as V) and the most lines.
constexpr const char* kAimedPointsMark = "_T";
constexpr std::size_t kAimedPointsDigits = 1;
constexpr const char* kBudgetMark = "_B";
constexpr std::size_t kBudgetDigits = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > kLongestField || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    return std::stoi(text);
}

int FixedNumbersOf(const std::string& field) {
    return field.size() == 1 && field[0] >= '1' && field[0] <= '9' ? field[0] - '0' : 0;
}

// The number written right after the first `mark` that a digit follows, read up to `most`
// digits; 0 when there is none.
int MarkedNumber(const std::string& name, const std::string& mark, std::size_t most) {
    for (auto at = name.find(mark); at != std::string::npos; at = name.find(mark, at + 1)) {
        const std::size_t first = at + mark.size();
        std::size_t end = first;
        while (end < name.size() && end - first < most && IsDigit(name[end])) ++end;
        if (end > first) return std::stoi(name.substr(first, end - first));
    }
    return 0;
}

}  // namespace

std::optional<GuaranteeClaim> ClaimOfNameFields(const NameFields& fields) {
    const auto points = WholeNumber(fields.V);
    const auto length = WholeNumber(fields.A);
    const auto drawn = WholeNumber(fields.B);
    if (!points || !length || !drawn) {
        return std::nullopt;
    }
    GuaranteeClaim claim{*length, *drawn, *points};
    claim.fixed = FixedNumbersOf(fields.F);
    return claim;
}

GuaranteeClaim WithBudgetMarks(GuaranteeClaim claim, std::string_view path) {
    const std::string name = FileNameOfPath(path);
    claim.aimedPoints = MarkedNumber(name, kAimedPointsMark, kAimedPointsDigits);
    claim.budget = MarkedNumber(name, kBudgetMark, kBudgetDigits);
    return claim;
}

std::optional<GuaranteeClaim> ClaimOfMatrixName(std::string_view path) {
    const auto claim = ClaimOfNameFields(MatrixNameFields(path));
    if (!claim) return std::nullopt;
    return WithBudgetMarks(*claim, path);
}

}  // namespace ordavex
