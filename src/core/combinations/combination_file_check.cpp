#include "combination_file_check.h"

#include "app/app_state.h"
#include "app/error_number.h"
#include "combinations/combination_file_reader.h"
#include "combinations/combination_line.h"
#include "combinations/combination_tokenizer.h"

namespace ordavex {

namespace {

class FileValidator : public UnitConsumer {
public:
    explicit FileValidator(const CombinationLimits& limits) : limits_(limits) {}

    int Error() const { return error_ != 0 ? error_ : (sawItem_ ? 0 : kErrEmptyFile); }

    void Begin() override {
        sawItem_ = true;
        tokenizer_.Reset();
    }
    bool Append(std::string_view bytes) override { return tokenizer_.Feed(bytes, *this); }
    bool End() override {
        if (!tokenizer_.Finish(*this)) return false;
        const std::int64_t length = tokenizer_.TokenCount();
        if (length < limits_.minLength || length > limits_.maxLength) return Fail(kErrBadLength);
        return true;
    }

private:
    friend class ordavex::CombinationTokenizer;
    bool Take(const NumberToken& token) {
        if (token.error != 0) return Fail(token.error);
        if (token.value < kLowestNumber || token.value > limits_.maxNumber) return Fail(kErrNumberOutOfRange);
        return true;
    }
    bool Fail(int error) {
        error_ = error;
        return false;
    }

    const CombinationLimits limits_;
    CombinationTokenizer tokenizer_;
    bool sawItem_ = false;
    int error_ = 0;
};

class LineCounter : public UnitConsumer {
public:
    explicit LineCounter(std::int32_t stopAbove) : stopAbove_(stopAbove) {}
    std::int32_t Count() const { return count_; }

    void Begin() override { hasNumber_ = false; }
    bool Append(std::string_view bytes) override {
        // A line is empty after cleaning exactly when it holds separators only.
        for (std::size_t i = 0; !hasNumber_ && i < bytes.size(); ++i) hasNumber_ = !IsCombinationSeparator(bytes[i]);
        return true;
    }
    bool End() override {
        if (!hasNumber_) return true;
        if (count_ == std::numeric_limits<std::int32_t>::max()) throw OrdavexError(kErrOverflow);
        ++count_;
        return count_ <= stopAbove_;
    }

private:
    const std::int32_t stopAbove_;
    std::int32_t count_ = 0;
    bool hasNumber_ = false;
};

}  // namespace

int CheckCombinationFile(const std::string& path, const CombinationLimits& limits, WorkProgress* progress) {
    FileValidator validator(limits);
    try {
        ReadCombinationUnits(path, CombinationUnit::Item, validator, progress);
    } catch (const OrdavexError& error) {
        return error.Number();
    }
    return validator.Error();
}

std::int32_t CountCombinationLines(const std::string& path, std::int32_t stopAbove) {
    LineCounter counter(stopAbove);
    ReadCombinationUnits(path, CombinationUnit::Line, counter);
    return counter.Count();
}

}  // namespace ordavex
