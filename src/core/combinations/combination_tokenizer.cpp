#include "combination_tokenizer.h"

#include <limits>

#include "app/error_number.h"
#include "combinations/combination_line.h"

namespace ordavex {

namespace {

// The magnitude stops growing just past the 16-bit range: any longer run of digits is an
// overflow all the same.
constexpr std::int32_t kSaturatedMagnitude = std::numeric_limits<std::int16_t>::max() + 2;

}  // namespace

void CombinationTokenizer::Reset() {
    tokenCount_ = 0;
    seenContent_ = false;
    blankRun_ = 0;
    inToken_ = false;
}

bool CombinationTokenizer::Emit(const NumberToken& token, TokenSink& sink) {
    ++tokenCount_;
    return sink.Take(token);
}

bool CombinationTokenizer::EndToken(TokenSink& sink) {
    inToken_ = false;
    if (tokenDecided_) return true;
    if (!hasDigits_) return Emit({kErrTypeMismatch, 0}, sink);
    const std::int32_t value = negative_ ? -magnitude_ : magnitude_;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        return Emit({kErrOverflow, 0}, sink);
    }
    return Emit({0, static_cast<std::int16_t>(value)}, sink);
}

bool CombinationTokenizer::EmitEmptyTokens(TokenSink& sink) {
    // Halving the run leaves (blankRun_ + 1) / 2 blanks, with an empty token between each two.
    const std::int64_t emptyTokens = (blankRun_ + 1) / 2 - 1;
    blankRun_ = 0;
    for (std::int64_t i = 0; i < emptyTokens; ++i) {
        if (!Emit({kErrTypeMismatch, 0}, sink)) return false;
    }
    return true;
}

void CombinationTokenizer::StartToken() {
    inToken_ = true;
    tokenDecided_ = false;
    tokenStarted_ = false;
    negative_ = false;
    hasDigits_ = false;
    magnitude_ = 0;
}

bool CombinationTokenizer::TakeOtherCharacter(char c, TokenSink& sink) {
    if (tokenDecided_) return true;
    if (!tokenStarted_ && (c == '+' || c == '-')) {
        negative_ = c == '-';
        tokenStarted_ = true;
        return true;
    }
    tokenDecided_ = true;
    tokenStarted_ = true;
    return Emit({kErrTypeMismatch, 0}, sink);
}

bool CombinationTokenizer::Feed(std::string_view bytes, TokenSink& sink) {
    for (char c : bytes) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && IsCombinationSeparator(c)) {
            if (inToken_ && !EndToken(sink)) return false;
            if (seenContent_) ++blankRun_;
            continue;
        }
        if (!inToken_) {
            // Runs of one or two blanks leave a single blank: no empty token between.
            if (blankRun_ > 2 && !EmitEmptyTokens(sink)) return false;
            blankRun_ = 0;
            seenContent_ = true;
            StartToken();
        }
        if (digit) {
            hasDigits_ = true;
            tokenStarted_ = true;
            if (magnitude_ < kSaturatedMagnitude) magnitude_ = magnitude_ * 10 + (c - '0');
        } else if (!TakeOtherCharacter(c, sink)) {
            return false;
        }
    }
    return true;
}

bool CombinationTokenizer::Finish(TokenSink& sink) {
    // Blanks at the end are trimmed away and leave no empty token.
    blankRun_ = 0;
    if (inToken_ && !EndToken(sink)) return false;
    return true;
}

}  // namespace ordavex
