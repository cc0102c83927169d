#include "matrix_file.h"

#include <limits>
#include <new>

#include "app/error_number.h"
#include "app/text_split.h"
#include "combinations/combination_file_check.h"
#include "combinations/combination_file_reader.h"
#include "combinations/combination_line.h"
#include "combinations/combination_tokenizer.h"

namespace ordavex {

namespace {

constexpr const char* kConsecutiveWord = "True";
constexpr const char* kNotConsecutiveWord = "Falso";
constexpr std::int32_t kMostNumbers = kHighestNumber;

// Which of the numbers 1..90 a matrix uses.
class NumbersUsed {
public:
    // Marks a number read from a file that passed validation. A number outside 1..90 can only
    // come from a file changed since, and is refused as validation would have refused it.
    void Mark(const NumberToken& token) {
        if (token.error != 0) throw OrdavexError(token.error);
        if (token.value < kLowestNumber || token.value > kHighestNumber) throw OrdavexError(kErrNumberOutOfRange);
        used_[static_cast<std::size_t>(token.value)] = true;
    }
    std::int32_t Count() const {
        std::int32_t count = 0;
        for (int k = kLowestNumber; k <= kHighestNumber; ++k) count += used_[static_cast<std::size_t>(k)] ? 1 : 0;
        return count;
    }
    bool Consecutive() const {
        const std::int32_t n = Count();
        for (int k = kLowestNumber; k <= n; ++k) {
            if (!used_[static_cast<std::size_t>(k)]) return false;
        }
        return true;
    }

private:
    std::array<bool, kHighestNumber + 1> used_{};
};

void CountOneMore(std::int32_t& count) {
    if (count == std::numeric_limits<std::int32_t>::max()) throw OrdavexError(kErrOverflow);
    ++count;
}

class InfoReader : public UnitConsumer, TokenSink {
public:
    MatrixInfo Info() const { return {used_.Count(), items_, used_.Consecutive()}; }

    void Begin() override {
        CountOneMore(items_);
        tokenizer_.Reset();
    }
    bool Append(std::string_view bytes) override { return tokenizer_.Feed(bytes, *this); }
    bool End() override { return tokenizer_.Finish(*this); }

private:
    bool Take(const NumberToken& token) override {
        used_.Mark(token);
        return true;
    }

    CombinationTokenizer tokenizer_;
    NumbersUsed used_;
    std::int32_t items_ = 0;
};

class ItemCollector : public UnitConsumer {
public:
    LineList lines;
    std::int32_t lastLength = 0;
    NumbersUsed used;

    void Begin() override { item_.clear(); }
    bool Append(std::string_view bytes) override {
        item_.append(bytes);
        return true;
    }
    bool End() override {
        std::string cleaned = CleanCombinationLine(item_);
        if (cleaned.empty()) return true;
        const auto pieces = SplitText(cleaned, ' ');
        for (const auto& piece : pieces) used.Mark(ConvertNumberToken(piece));
        lastLength = static_cast<std::int32_t>(pieces.size());
        if (lines.size() == static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw OrdavexError(kErrOverflow);
        }
        lines.push_back(std::move(cleaned));
        return true;
    }

private:
    std::string item_;
};

MatrixLoadResult Failure(MatrixLoadOutcome outcome, int error) { return {outcome, error, {}}; }

// The checks that follow validation, on what a read of the file found.
MatrixLoadOutcome ShapeOutcome(std::int32_t numbers, bool consecutive) {
    if (numbers > kMostNumbers) return MatrixLoadOutcome::TooManyNumbers;
    if (!consecutive) return MatrixLoadOutcome::NotConsecutive;
    return MatrixLoadOutcome::Loaded;
}

}  // namespace

std::string MatrixInfo::Text() const {
    return std::to_string(numbers) + "," + std::to_string(items) + "," +
           (consecutive ? kConsecutiveWord : kNotConsecutiveWord);
}

MatrixInfo MatrixFileInfo(FileTable& files, const std::string& path) {
    InfoReader reader;
    ReadCombinationUnits(files, path, CombinationUnit::Item, reader);
    return reader.Info();
}

MatrixLoadResult LoadMatrixFile(FileTable& files, const std::string& path) {
    const int rejection = CheckCombinationFile(files, path, {kMatrixMinLength, kMatrixMaxLength, kHighestNumber});
    if (rejection != 0) return Failure(MatrixLoadOutcome::Rejected, rejection);
    try {
        const MatrixInfo info = MatrixFileInfo(files, path);
        if (const auto outcome = ShapeOutcome(info.numbers, info.consecutive); outcome != MatrixLoadOutcome::Loaded) {
            return Failure(outcome, 0);
        }
        ItemCollector collector;
        ReadCombinationUnits(files, path, CombinationUnit::Item, collector);
        // The numbers are taken again from what was stored, so a file changed since the checks
        // cannot bring in a matrix that breaks them.
        const std::int32_t numbers = collector.used.Count();
        if (const auto outcome = ShapeOutcome(numbers, collector.used.Consecutive());
            outcome != MatrixLoadOutcome::Loaded) {
            return Failure(outcome, 0);
        }
        if (collector.lines.empty()) return Failure(MatrixLoadOutcome::Rejected, kErrEmptyFile);
        LoadedMatrix matrix{MatrixDisplayName(path), std::move(collector.lines), static_cast<std::int16_t>(numbers),
                            collector.lastLength, MatrixNameFields(path)};
        return {MatrixLoadOutcome::Loaded, 0, std::move(matrix)};
    } catch (const OrdavexError& error) {
        return Failure(MatrixLoadOutcome::Failed, error.Number());
    } catch (const std::bad_alloc&) {
        return Failure(MatrixLoadOutcome::Failed, kErrOutOfMemory);
    }
}

MatrixPanelTexts PanelTextsOf(const LoadedMatrix& matrix) {
    return {std::to_string(matrix.numbers), std::to_string(matrix.lines.size()), std::to_string(matrix.lastLength),
            matrix.fields.F, GuaranteeCaption(matrix.fields)};
}

}  // namespace ordavex
