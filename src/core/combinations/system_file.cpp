#include "system_file.h"

#include <new>

#include "app/error_number.h"
#include "combinations/combination_file_check.h"
#include "combinations/combination_file_reader.h"
#include "combinations/combination_line.h"

namespace ordavex {

namespace {

class LineCollector : public UnitConsumer {
public:
    explicit LineCollector(std::size_t stopAbove) : stopAbove_(stopAbove) {}
    LineList lines;

    void Begin() override { line_.clear(); }
    bool Append(std::string_view bytes) override {
        line_.append(bytes);
        return true;
    }
    bool End() override {
        std::string cleaned = CleanCombinationLine(line_);
        if (!cleaned.empty()) lines.push_back(std::move(cleaned));
        return lines.size() <= stopAbove_;
    }

private:
    const std::size_t stopAbove_;
    std::string line_;
};

SystemLoadResult Failure(SystemLoadOutcome outcome, int error) { return {outcome, error, {}}; }

}  // namespace

LineList ReadSystemLines(FileTable& files, const std::string& path, std::size_t stopAbove) {
    LineCollector collector(stopAbove);
    ReadCombinationUnits(files, path, CombinationUnit::Line, collector);
    return std::move(collector.lines);
}

SystemLoadResult LoadSystemFile(FileTable& files, const std::string& path) {
    const int rejection =
        CheckCombinationFile(files, path, {kSystemMinLength, kSystemMaxLength, kHighestNumber});
    if (rejection != 0) return Failure(SystemLoadOutcome::Rejected, rejection);
    try {
        if (CountCombinationLines(files, path, kSystemMaxLines) > kSystemMaxLines) {
            return Failure(SystemLoadOutcome::TooManyLines, 0);
        }
        LineList lines = ReadSystemLines(files, path, kSystemMaxLines);
        // The file may have grown since it was counted.
        if (static_cast<std::int64_t>(lines.size()) > kSystemMaxLines) {
            return Failure(SystemLoadOutcome::TooManyLines, 0);
        }
        return {SystemLoadOutcome::Loaded, 0, std::move(lines)};
    } catch (const OrdavexError& error) {
        return Failure(SystemLoadOutcome::Failed, error.Number());
    } catch (const std::bad_alloc&) {
        return Failure(SystemLoadOutcome::Failed, kErrOutOfMemory);
    }
}

}  // namespace ordavex
