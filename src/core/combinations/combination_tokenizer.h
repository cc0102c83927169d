#pragma once

#include <cstdint>
#include <string_view>

#include "combinations/number_token.h"

namespace ordavex {

// Receives the numbers of a line or an item in order. Returning false stops the tokenizer.
class TokenSink {
public:
    virtual ~TokenSink() = default;
    virtual bool Take(const NumberToken& token) = 0;
};

// Cleans a line or an item while its bytes stream past and splits it into numbers, in constant
// memory: the tokens, in their order, are those of CleanCombinationLine followed by a split at
// single blanks and ConvertNumberToken on every piece. The separators become blanks, the blanks
// at both ends vanish, and a run of k blanks inside leaves ceil(k / 2) blanks, so from three
// blanks on the empty tokens between them are type mismatches.
//
// A token is handed over as soon as its outcome is known: a type mismatch at its first wrong
// character, so that a huge line of garbage fails at once.
class CombinationTokenizer {
public:
    // Starts a new line or item.
    void Reset();
    // More bytes of the current line or item; false once the sink has asked to stop.
    bool Feed(std::string_view bytes, TokenSink& sink);
    // The current line or item has ended; false when the sink has asked to stop.
    bool Finish(TokenSink& sink);
    // Tokens handed over since the last Reset.
    std::int64_t TokenCount() const { return tokenCount_; }

private:
    bool Emit(const NumberToken& token, TokenSink& sink);
    bool EndToken(TokenSink& sink);
    bool EmitEmptyTokens(TokenSink& sink);
    void StartToken();
    // A character of a token that is not a digit: a sign at its start, else a mismatch.
    bool TakeOtherCharacter(char c, TokenSink& sink);

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
