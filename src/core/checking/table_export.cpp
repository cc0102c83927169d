#include "checking/table_export.h"

#include <algorithm>
#include <string_view>

#include "app/text_split.h"

namespace ordavex {

namespace {

constexpr char kFieldSeparator = ';';
constexpr const char* kRowEnd = "\r\n";
constexpr char kNumberSeparator = ' ';
constexpr std::string_view kReportSeparator = " ... ";
constexpr std::string_view kScoreOpening = "punti ";
constexpr const char* kPositionHeading = "N";
constexpr char kNumberHeading = 'n';
constexpr const char* kScoreHeading = "Punti";
constexpr const char* kCountHeading = "Combinazioni";

// The fields of a report line: what stands between its " ... " separators.
std::vector<std::string> ReportFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(kReportSeparator, start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + kReportSeparator.size();
    }
}

std::size_t MostNumbers(const std::vector<std::string>& lines) {
    std::size_t most = 0;
    for (const auto& line : lines) most = std::max(most, SplitText(line, kNumberSeparator).size());
    return most;
}

std::string NumberHeadings(std::size_t count) {
    std::string headings;
    for (std::size_t i = 1; i <= count; ++i) {
        headings += kFieldSeparator;
        headings += kNumberHeading;
        headings += std::to_string(i);
    }
    return headings;
}

// The numbers of a line as fields, each after a separator, padded with empty fields to `count`.
void AppendNumberFields(std::string& row, const std::string& line, std::size_t count) {
    std::size_t written = 0;
    ForEachPiece(line, kNumberSeparator, [&](std::string_view number) {
        row += kFieldSeparator;
        row += number;
        ++written;
    });
    for (; written < count; ++written) row += kFieldSeparator;
}

std::string GeneralTableCsv(const std::vector<std::string>& lines) {
    std::string text = kScoreHeading;
    text += kFieldSeparator;
    text += kCountHeading;
    text += kRowEnd;
    for (const auto& line : lines) {
        auto fields = ReportFields(line);
        std::string_view score = fields.front();
        if (score.starts_with(kScoreOpening)) score.remove_prefix(kScoreOpening.size());
        text += score;
        text += kFieldSeparator;
        text += fields.size() > 1 ? fields.back() : std::string();
        text += kRowEnd;
    }
    return text;
}

std::string WinnersCsv(const std::vector<std::string>& lines) {
    const LineList combinations = WinningCombinations(lines);
    const std::size_t most = MostNumbers(combinations);
    std::string text = kPositionHeading + NumberHeadings(most);
    text += kFieldSeparator;
    text += kScoreHeading;
    text += kRowEnd;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields = ReportFields(lines[i]);
        text += fields.front();
        AppendNumberFields(text, combinations[i], most);
        text += kFieldSeparator;
        text += fields.size() > 2 ? fields.back() : std::string();
        text += kRowEnd;
    }
    return text;
}

}  // namespace

std::string SystemCsv(const LineList& system) {
    const std::size_t most = MostNumbers(system);
    std::string text = kPositionHeading + NumberHeadings(most);
    text += kRowEnd;
    for (std::size_t i = 0; i < system.size(); ++i) {
        text += std::to_string(i + 1);
        AppendNumberFields(text, system[i], most);
        text += kRowEnd;
    }
    return text;
}

std::string ReportCsv(ReportKind kind, const std::vector<std::string>& lines) {
    return kind == ReportKind::kGeneral ? GeneralTableCsv(lines) : WinnersCsv(lines);
}

LineList WinningCombinations(const std::vector<std::string>& lines) {
    LineList combinations;
    combinations.reserve(lines.size());
    for (const auto& line : lines) {
        const auto fields = ReportFields(line);
        combinations.push_back(fields.size() > 2 ? fields[1] : std::string());
    }
    return combinations;
}

}  // namespace ordavex
