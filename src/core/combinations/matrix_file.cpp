#include "matrix_file.h"

#include <array>
#include <limits>
#include <new>

#include "app/error_number.h"
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

// Reads a matrix file item by item: which numbers it uses and how many items it has, and, when
// asked, the cleaned items themselves.
class MatrixReader : public UnitConsumer {
public:
    explicit MatrixReader(bool keepItems) : keepItems_(keepItems) {}

    MatrixInfo Info() const { return {used_.Count(), items_, used_.Consecutive()}; }
    bool OverLimit() const { return overLimit_; }
    LineList& Lines() { return lines_; }
    std::int32_t LastLength() const { return lastLength_; }

    void Begin() override {
        CountOneMore(items_);
        tokenizer_.Reset();
        item_.clear();
    }
    bool Append(std::string_view bytes) override {
        if (keepItems_) item_.append(bytes);
        return tokenizer_.Feed(bytes, *this);
    }
    bool End() override {
        tokenizer_.Finish(*this);
        if (!keepItems_) return true;
        std::string cleaned = CleanCombinationLine(item_);
        if (cleaned.empty()) return true;
        if (static_cast<std::int32_t>(lines_.size()) == kMatrixMaxCombinations) {
            overLimit_ = true;
            return false;
        }
        // The tokenizer's numbers are those of the cleaned item split at single blanks.
        lastLength_ = static_cast<std::int32_t>(tokenizer_.TokenCount());
        lines_.push_back(std::move(cleaned));
        return true;
    }

private:
    friend class ordavex::CombinationTokenizer;
    bool Take(const NumberToken& token) {
        used_.Mark(token);
        return true;
    }

    const bool keepItems_;
    CombinationTokenizer tokenizer_;
    NumbersUsed used_;
    std::int32_t items_ = 0;
    std::string item_;
    LineList lines_;
    std::int32_t lastLength_ = 0;
    bool overLimit_ = false;
};

MatrixLoadResult Failure(MatrixLoadOutcome outcome, int error) { return {outcome, error, {}}; }

}  // namespace

std::string MatrixInfo::Text() const {
    return std::to_string(numbers) + "," + std::to_string(items) + "," +
           (consecutive ? kConsecutiveWord : kNotConsecutiveWord);
}

MatrixInfo MatrixFileInfo(const std::string& path) {
    MatrixReader reader(false);
    ReadCombinationUnits(path, CombinationUnit::Item, reader);
    return reader.Info();
}

MatrixLoadResult LoadMatrixFile(const std::string& path, WorkProgress* progress) {
    // Validation reads the file once, the load once more.
    if (progress != nullptr) progress->ExpectFile(path, 2);
    try {
        const int rejection =
            CheckCombinationFile(path, {kShortestCombination, kLongestCombination, kHighestNumber}, progress);
        if (rejection != 0) return Failure(MatrixLoadOutcome::Rejected, rejection);
        // One read gives both what MatrixFileInfo tells and the items, so the checks and the
        // loaded matrix always describe the same content.
        MatrixReader reader(true);
        ReadCombinationUnits(path, CombinationUnit::Item, reader, progress);
        if (reader.OverLimit()) return Failure(MatrixLoadOutcome::TooManyCombinations, 0);
        const MatrixInfo info = reader.Info();
        if (info.numbers > kMostNumbers) return Failure(MatrixLoadOutcome::TooManyNumbers, 0);
        if (!info.consecutive) return Failure(MatrixLoadOutcome::NotConsecutive, 0);
        if (reader.Lines().empty()) return Failure(MatrixLoadOutcome::Rejected, kErrEmptyFile);
        LoadedMatrix matrix{MatrixDisplayName(path), std::move(reader.Lines()), static_cast<std::int16_t>(info.numbers),
                            reader.LastLength(), MatrixNameFields(path)};
        return {MatrixLoadOutcome::Loaded, 0, std::move(matrix)};
    } catch (const WorkCancelled&) {
        return Failure(MatrixLoadOutcome::Cancelled, 0);
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
