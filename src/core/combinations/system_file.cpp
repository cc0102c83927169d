#include "system_file.h"

#include <new>

#include "app/error_number.h"
#include "combinations/combination_file_check.h"
#include "combinations/combination_file_reader.h"
#include "combinations/combination_line.h"
#include "combinations/combination_tokenizer.h"

namespace ordavex {

namespace {

// Takes every number; only their count matters here.
struct AnyNumber {
    bool Take(const NumberToken&) { return true; }
};

class LineCollector : public UnitConsumer {
public:
    LineCollector(std::size_t stopAbove, const LengthLimits& lengths) : stopAbove_(stopAbove), lengths_(lengths) {}
    LineList lines;

    void Begin() override {
        line_.clear();
        tokenizer_.Reset();
    }
    bool Append(std::string_view bytes) override {
        line_.append(bytes);
        return tokenizer_.Feed(bytes, anyNumber_);
    }
    bool End() override {
        tokenizer_.Finish(anyNumber_);
        std::string cleaned = CleanCombinationLine(line_);
        if (cleaned.empty()) return true;
        const std::int64_t length = tokenizer_.TokenCount();
        if (length < lengths_.shortest || length > lengths_.longest) throw OrdavexError(kErrBadLength);
        lines.push_back(std::move(cleaned));
        return lines.size() <= stopAbove_;
    }

private:
    const std::size_t stopAbove_;
    const LengthLimits lengths_;
    std::string line_;
    CombinationTokenizer tokenizer_;
    AnyNumber anyNumber_;
};

SystemLoadResult Failure(SystemLoadOutcome outcome, int error) { return {outcome, error, {}}; }

}  // namespace

LineList ReadSystemLines(const std::string& path, std::size_t stopAbove, const LengthLimits& lengths) {
    LineCollector collector(stopAbove, lengths);
    ReadCombinationUnits(path, CombinationUnit::Line, collector);
    return std::move(collector.lines);
}

SystemLoadResult LoadSystemFile(const std::string& path) {
    const int rejection = CheckCombinationFile(path, {kShortestCombination, kLongestCombination, kHighestNumber});
    if (rejection != 0) return Failure(SystemLoadOutcome::Rejected, rejection);
    try {
        if (CountCombinationLines(path, kSystemMaxLines) > kSystemMaxLines) {
            return Failure(SystemLoadOutcome::TooManyLines, 0);
        }
        LineList lines = ReadSystemLines(path, kSystemMaxLines, {kShortestCombination, kLongestCombination});
        // The file may have grown since it was counted.
        if (static_cast<std::int64_t>(lines.size()) > kSystemMaxLines) {
            return Failure(SystemLoadOutcome::TooManyLines, 0);
        }
        return {SystemLoadOutcome::Loaded, 0, std::move(lines)};
    } catch (const OrdavexError& error) {
        // A line that would load with a length no game allows makes the file as unfit as an
        // item of such a length does.
        if (error.Number() == kErrBadLength) return Failure(SystemLoadOutcome::Rejected, kErrBadLength);
        return Failure(SystemLoadOutcome::Failed, error.Number());
    } catch (const std::bad_alloc&) {
        return Failure(SystemLoadOutcome::Failed, kErrOutOfMemory);
    }
}

}  // namespace ordavex
