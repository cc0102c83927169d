#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "app/error_number.h"
#include "combinations/combination_line.h"
#include "combinations/number_token.h"

namespace ordavex {

// Cleans a line or an item while its bytes stream past and splits it into numbers, in constant
// memory: the tokens, in their order, are those of CleanCombinationLine followed by a split at
// single blanks and ConvertNumberToken on every piece. The separators become blanks, the blanks
// at both ends vanish, and a run of k blanks inside leaves ceil(k / 2) blanks, so from three
// blanks on the empty tokens between them are type mismatches. It splits on its own, rather than
// through ForEachPiece, because these rules of the file format must be kept to the letter and
// because it reads the bytes as they stream, without a cleaned copy of the line.
//
// Tokens go to a sink, any object with `bool Take(const NumberToken&)`; returning false stops
// the tokenizer. A token is handed over as soon as its outcome is known: a type mismatch at its
// first wrong character, so that a huge line of garbage fails at once. The work is done inline
// (the sink is a template argument), since every byte of a file passes through here.
class CombinationTokenizer {
public:
    // Starts a new line or item.
    void Reset() {
        tokenCount_ = 0;
        seenContent_ = false;
        blankRun_ = 0;
        inToken_ = false;
    }

    // More bytes of the current line or item; false once the sink has asked to stop.
    template <typename Sink>
    bool Feed(std::string_view bytes, Sink& sink) {
        const char* p = bytes.data();
        const char* const end = p + bytes.size();
        while (p < end) {
            if (inToken_) p = TakeDigits(p, end);
            if (p == end) break;
            const char c = *p++;
            if (IsCombinationSeparator(c)) {
                if (inToken_ && !EndToken(sink)) return false;
                if (seenContent_) ++blankRun_;
                continue;
            }
            if (!inToken_) {
                // Runs of one or two blanks leave a single blank: no empty token between.
                if (blankRun_ > 2 && !EmitEmptyTokens(sink)) return false;
                blankRun_ = 0;
                seenContent_ = true;
                if (IsDigit(c)) {
                    // Most tokens are a few digits and a separator, all within this piece:
                    // they are handed over without the bookkeeping of a token in progress.
                    std::int32_t magnitude = c - '0';
                    for (; p < end && IsDigit(*p); ++p) {
                        if (magnitude < kSaturatedMagnitude) magnitude = magnitude * 10 + (*p - '0');
                    }
                    if (p < end && IsCombinationSeparator(*p)) {
                        ++p;
                        blankRun_ = 1;
                        if (!EmitMagnitude(magnitude, false, sink)) return false;
                        continue;
                    }
                    StartToken();
                    magnitude_ = magnitude;
                    hasDigits_ = true;
                    tokenStarted_ = true;
                    continue;
                }
                StartToken();
            }
            if (!TakeOtherCharacter(c, sink)) return false;
        }
        return true;
    }

    // The current line or item has ended; false when the sink has asked to stop.
    template <typename Sink>
    bool Finish(Sink& sink) {
        // Blanks at the end are trimmed away and leave no empty token.
        blankRun_ = 0;
        return !inToken_ || EndToken(sink);
    }

    // Tokens handed over since the last Reset.
    std::int64_t TokenCount() const { return tokenCount_; }

private:
    // The magnitude stops growing just past the 16-bit range: any longer run of digits is an
    // overflow all the same.
    static constexpr std::int32_t kSaturatedMagnitude = std::numeric_limits<std::int16_t>::max() + 2;

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void StartToken() {
        inToken_ = true;
        tokenDecided_ = false;
        tokenStarted_ = false;
        negative_ = false;
        hasDigits_ = false;
        magnitude_ = 0;
    }

    // Takes the run of digits at p; returns where it ends.
    const char* TakeDigits(const char* p, const char* end) {
        std::int32_t magnitude = magnitude_;
        const char* const start = p;
        for (; p < end && IsDigit(*p); ++p) {
            if (magnitude < kSaturatedMagnitude) magnitude = magnitude * 10 + (*p - '0');
        }
        if (p != start) {
            magnitude_ = magnitude;
            hasDigits_ = true;
            tokenStarted_ = true;
        }
        return p;
    }

    template <typename Sink>
    bool Emit(const NumberToken& token, Sink& sink) {
        ++tokenCount_;
        return sink.Take(token);
    }

    // A character of a token that is neither a digit nor a separator: a sign at its start,
    // else a mismatch.
    template <typename Sink>
    bool TakeOtherCharacter(char c, Sink& sink) {
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

    template <typename Sink>
    bool EndToken(Sink& sink) {
        inToken_ = false;
        if (tokenDecided_) return true;
        if (!hasDigits_) return Emit({kErrTypeMismatch, 0}, sink);
        return EmitMagnitude(magnitude_, negative_, sink);
    }

    template <typename Sink>
    bool EmitMagnitude(std::int32_t magnitude, bool negative, Sink& sink) {
        const std::int32_t value = negative ? -magnitude : magnitude;
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
            return Emit({kErrOverflow, 0}, sink);
        }
        return Emit({0, static_cast<std::int16_t>(value)}, sink);
    }

    template <typename Sink>
    bool EmitEmptyTokens(Sink& sink) {
        // Halving the run leaves (blankRun_ + 1) / 2 blanks, with an empty token between each two.
        const std::int64_t emptyTokens = (blankRun_ + 1) / 2 - 1;
        blankRun_ = 0;
        for (std::int64_t i = 0; i < emptyTokens; ++i) {
            if (!Emit({kErrTypeMismatch, 0}, sink)) return false;
        }
        return true;
    }

    std::int64_t tokenCount_ = 0;
    bool seenContent_ = false;
    std::int64_t blankRun_ = 0;

    bool inToken_ = false;
    bool tokenDecided_ = false;  // handed over already; its remaining characters change nothing
    bool tokenStarted_ = false;  // a character after which a sign is no longer allowed
    bool negative_ = false;
    bool hasDigits_ = false;
    std::int32_t magnitude_ = 0;
};

}  // namespace ordavex
