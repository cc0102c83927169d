#include "guarantee/guarantee_matrix.h"

#include <algorithm>
#include <stdexcept>

#include "combinations/combination_file_reader.h"
#include "combinations/combination_tokenizer.h"
#include "lottery/number_range.h"

namespace ordavex {

namespace {

// The clock is read once every this many lines.
constexpr std::size_t kLinesBetweenClockReads = 1024;

// Gathers the different numbers of one line from the tokenizer.
class LineNumbers {
public:
    explicit LineNumbers(std::size_t lineNumber) : lineNumber_(lineNumber) {}
    bool Take(const NumberToken& token) {
        if (token.error != 0 || token.value < kLowestNumber || token.value > kHighestNumber) {
            throw std::invalid_argument("line " + std::to_string(lineNumber_) + ": not a number from 1 to 90");
        }
        numbers.Set(token.value);
        return true;
    }
    NumberMask numbers;

private:
    std::size_t lineNumber_;
};

// Builds the matrix line by line.
class MatrixBuilder {
public:
    explicit MatrixBuilder(CheckDeadline deadline) : deadline_(deadline) {}

    void Add(const NumberMask& line) {
        if (deadline_ && ++seen_ % kLinesBetweenClockReads == 0 && std::chrono::steady_clock::now() >= *deadline_) {
            throw ReadingTimedOut();
        }
        if (line.Empty()) return;
        const int size = line.Count();
        matrix_.shortestLine = matrix_.lines.empty() ? size : std::min(matrix_.shortestLine, size);
        matrix_.longestLine = std::max(matrix_.longestLine, size);
        matrix_.lines.push_back(line);
        used_ |= line;
    }

    GuaranteeMatrix Finish() {
        if (matrix_.lines.empty()) throw std::invalid_argument("the matrix has no line");
        for (NumberMask rest = used_; !rest.Empty(); rest.RemoveLowest()) matrix_.numbers = rest.Lowest();
        matrix_.consecutive = used_ == NumberMask::FirstNumbers(matrix_.numbers);
        return std::move(matrix_);
    }

private:
    CheckDeadline deadline_;
    std::size_t seen_ = 0;
    GuaranteeMatrix matrix_;
    NumberMask used_;
};

class ItemReader : public UnitConsumer {
public:
    explicit ItemReader(MatrixBuilder& builder) : builder_(builder) {}
    void Begin() override {
        tokenizer_.Reset();
        numbers_ = LineNumbers(++items_);
    }
    bool Append(std::string_view bytes) override { return tokenizer_.Feed(bytes, numbers_); }
    bool End() override {
        tokenizer_.Finish(numbers_);
        builder_.Add(numbers_.numbers);
        return true;
    }

private:
    MatrixBuilder& builder_;
    CombinationTokenizer tokenizer_;
    std::size_t items_ = 0;
    LineNumbers numbers_{0};
};

}  // namespace

GuaranteeMatrix ReadGuaranteeMatrix(const std::vector<std::string>& lines, CheckDeadline deadline) {
    MatrixBuilder builder(deadline);
    CombinationTokenizer tokenizer;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LineNumbers numbers(i + 1);
        tokenizer.Reset();
        tokenizer.Feed(lines[i], numbers);
        tokenizer.Finish(numbers);
        builder.Add(numbers.numbers);
    }
    return builder.Finish();
}

GuaranteeMatrix ReadGuaranteeMatrixFile(const std::string& path, CheckDeadline deadline) {
    MatrixBuilder builder(deadline);
    ItemReader reader(builder);
    ReadCombinationUnits(path, CombinationUnit::Item, reader);
    return builder.Finish();
}

}  // namespace ordavex
