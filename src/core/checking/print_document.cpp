#include "checking/print_document.h"

#include "app/number_text.h"
#include "checking/numbered_line.h"
#include "checking/system_cost.h"
#include "combinations/matrix_name.h"

namespace ordavex {

namespace {

constexpr const char* kProgramName = "Ordavex";
constexpr const char* kHeadingGap = "  ";
constexpr const char* kMatrixOpening = "Matrice: ";
constexpr const char* kCaptionSeparator = " - ";
constexpr const char* kLoadedOpening = "Sistema caricato da file: ";
constexpr const char* kUnknownSource = "Sistema in memoria";
constexpr const char* kForecastOpening = "Previsione:";
constexpr char kFixedMark = '*';
constexpr const char* kFixedLegend = " (* numero fisso)";
constexpr const char* kCountOpening = "Combinazioni: ";
constexpr const char* kDrawOpening = "Estrazione: ";
constexpr const char* kReportOpening = "Vincite: ";
constexpr int kNumberDigits = 2;

std::vector<std::string> SharedHeader(const AppState& state, const std::string& printedAt) {
    std::vector<std::string> header;
    std::string heading = kProgramName;
    heading += kHeadingGap;
    heading += printedAt;
    header.push_back(heading);
    header.push_back(SourceLine(state.Source));
    if (const auto forecast = ForecastLine(state.Source); !forecast.empty()) header.push_back(forecast);
    const auto count = static_cast<std::int64_t>(state.SystemCombinations.size());
    header.push_back(kCountOpening + ItalianCount(count));
    header.push_back(CostText(count, state.StakeCents));
    return header;
}

}  // namespace

std::string PositionLabel(std::size_t position) {
    std::string label = ViewerItem(static_cast<std::int32_t>(position), "");
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return label;
}

std::string SourceLine(const SystemSource& source) {
    switch (source.kind) {
        case SystemSource::Kind::kDeveloped:
            return kMatrixOpening + source.name + kCaptionSeparator + GuaranteeCaption(MatrixNameFields(source.name));
        case SystemSource::Kind::kLoaded:
            return kLoadedOpening + source.name;
        case SystemSource::Kind::kUnknown:
            break;
    }
    return kUnknownSource;
}

std::string ForecastLine(const SystemSource& source) {
    if (source.kind != SystemSource::Kind::kDeveloped) return {};
    std::string line = kForecastOpening;
    bool anyFixed = false;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const auto state = source.forecast[static_cast<std::size_t>(n)];
        if (state == kForecastOff) continue;
        line += ' ';
        AppendZeroPadded(line, n, kNumberDigits);
        if (state == kForecastFixed) {
            line += kFixedMark;
            anyFixed = true;
        }
    }
    if (anyFixed) line += kFixedLegend;
    return line;
}

PrintDocument SystemPrintDocument(const AppState& state, const std::string& printedAt) {
    PrintDocument document{SharedHeader(state, printedAt), {}};
    const auto& lines = state.SystemCombinations;
    document.entries.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) document.entries.push_back({PositionLabel(i + 1), lines[i]});
    return document;
}

PrintDocument ReportPrintDocument(const AppState& state, const std::string& printedAt, const std::string& drawnNumbers,
                                  const std::string& reportName, const std::vector<std::string>& lines) {
    PrintDocument document{SharedHeader(state, printedAt), {}};
    document.header.push_back(kDrawOpening + drawnNumbers);
    document.header.push_back(kReportOpening + reportName);
    document.entries.reserve(lines.size());
    for (const auto& line : lines) document.entries.push_back({"", line});
    return document;
}

}  // namespace ordavex
