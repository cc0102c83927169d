#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/text_split.h"
#include "combinations/combination_line.h"
#include "combinations/combination_tokenizer.h"
#include "combinations/number_token.h"

namespace ordavex {
namespace {

struct CleanCase {
    const char* line;
    const char* cleaned;
};

TEST(CleanCombinationLine, RunsTheSixStepsInOrder) {
    const CleanCase cases[] = {
        {"", ""},
        {"   ", ""},
        {"01 02 03 04 05", "01 02 03 04 05"},
        {"  01 02  ", "01 02"},
        {"01\t02\t03", "01 02 03"},
        {"01.02.03", "01 02 03"},
        {"01:02:03", "01 02 03"},
        {"01,02,03", "01 02 03"},
        {"01\r02", "01 02"},
        {"01  02", "01 02"},
        {"01   02", "01  02"},      // three blanks: one pass leaves two
        {"01    02", "01  02"},     // four blanks: two pairs, each halved
        {"01     02", "01   02"},   // five blanks: two pairs and one left over
        {"01 \t 02", "01  02"},     // the tab becomes a third blank in a row
        {"01. 02", "01 02"},
        {"01 . 02", "01  02"},
        {"\t01 02\t", "01 02"},      // leading and trailing tabs are trimmed a step later
        {":01 02.", "01 02"},
        {"\t.,:", ""},
        {"a  b", "a b"},
        {"7 07 007", "7 07 007"},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanCombinationLine(c.line), c.cleaned) << '"' << c.line << '"';
}

// What the streaming tokenizer must give: the literal cleaning, a split at single blanks and a
// conversion of every piece.
std::vector<NumberToken> LiteralTokens(const std::string& line) {
    std::vector<NumberToken> tokens;
    for (const auto& piece : SplitText(CleanCombinationLine(line), ' ')) tokens.push_back(ConvertNumberToken(piece));
    return tokens;
}

class Recorder {
public:
    bool Take(const NumberToken& token) {
        tokens.push_back(token);
        // The tokenizer may hand over a mismatch before the rest of its token: stop there, as
        // every reader of the format does at its first failure.
        return token.error == 0;
    }
    std::vector<NumberToken> tokens;
};

std::vector<NumberToken> StreamedTokens(const std::string& line, std::size_t pieceSize) {
    CombinationTokenizer tokenizer;
    Recorder recorder;
    tokenizer.Reset();
    for (std::size_t at = 0; at < line.size(); at += pieceSize) {
        if (!tokenizer.Feed(std::string_view(line).substr(at, pieceSize), recorder)) return recorder.tokens;
    }
    tokenizer.Finish(recorder);
    return recorder.tokens;
}

// The literal tokens up to and including the first failure.
std::vector<NumberToken> UpToFirstFailure(std::vector<NumberToken> tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].error != 0) {
            tokens.resize(i + 1);
            break;
        }
    }
    return tokens;
}

void ExpectSameTokens(const std::string& line, std::size_t pieceSize) {
    const auto expected = UpToFirstFailure(LiteralTokens(line));
    const auto streamed = StreamedTokens(line, pieceSize);
    ASSERT_EQ(streamed.size(), expected.size()) << '"' << line << "\" in pieces of " << pieceSize;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(streamed[i].error, expected[i].error) << '"' << line << "\" token " << i;
        EXPECT_EQ(streamed[i].value, expected[i].value) << '"' << line << "\" token " << i;
    }
}

TEST(CombinationTokenizer, AgreesWithTheLiteralCleaningOnChosenLines) {
    const char* lines[] = {"",          "1 2 3",        "  1\t2 . 3  ", "1   2",       "1    2",     "1     2",
                           "1 \t 2",    "-3 +4",        "1 2 3 x",      "1 a2 3",      "+",          "1+",
                           "70000 1",   "1 70000x",     "\t\t",         ". : .",       "01. 02",     "01 . 02",
                           "0 91 -0",   "99999999999", "1\r2",         "12345678901234567890 3"};
    for (const char* line : lines) {
        for (std::size_t pieceSize : {1u, 2u, 3u, 64u}) ExpectSameTokens(line, pieceSize);
    }
}

TEST(CombinationTokenizer, AgreesWithTheLiteralCleaningOnRandomLines) {
    const std::string alphabet = "0123456789      \t.:,\r+-x";
    std::mt19937 random(2024);
    for (int round = 0; round < 20000; ++round) {
        std::string line(random() % 24, ' ');
        for (char& c : line) c = alphabet[random() % alphabet.size()];
        ExpectSameTokens(line, 1 + random() % 5);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace ordavex
