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

TEST(CleanCombinationLine, RunsTheSixStepsInOrder) {
    const struct {
        const char* line;
        const char* cleaned;
    } cases[] = {
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
        {"01   02", "01  02"},     // three blanks: one pass leaves two
        {"01    02", "01  02"},    // four blanks: two pairs, each halved
        {"01     02", "01   02"},  // five blanks: two pairs and one left over
        {"01 \t 02", "01  02"},    // the tab becomes a third blank in a row
        {"01. 02", "01 02"},
        {"01 . 02", "01  02"},
        {"\t01 02\t", "01 02"},  // leading and trailing tabs are trimmed a step later
        {":01 02.", "01 02"},
        {"\t.,:", ""},
        {"a  b", "a b"},
        {"7 07 007", "7 07 007"},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanCombinationLine(c.line), c.cleaned) << '"' << c.line << '"';
}

// The streaming tokenizer must give the tokens of the literal cleaning, a split at single blanks
// and a conversion of every piece, up to and including the first failure.
std::vector<NumberToken> LiteralTokens(const std::string& line) {
    std::vector<NumberToken> tokens;
    for (const auto& piece : SplitText(CleanCombinationLine(line), ' ')) {
        tokens.push_back(ConvertNumberToken(piece));
        if (tokens.back().error != 0) break;
    }
    return tokens;
}

struct Recorder {
    bool Take(const NumberToken& token) {
        tokens.push_back(token);
        return token.error == 0;
    }
    std::vector<NumberToken> tokens;
};

void ExpectSameTokens(const std::string& line, std::size_t pieceSize) {
    CombinationTokenizer tokenizer;
    Recorder streamed;
    tokenizer.Reset();
    bool going = true;
    for (std::size_t at = 0; going && at < line.size(); at += pieceSize) {
        going = tokenizer.Feed(std::string_view(line).substr(at, pieceSize), streamed);
    }
    if (going) tokenizer.Finish(streamed);
    const auto expected = LiteralTokens(line);
    ASSERT_EQ(streamed.tokens.size(), expected.size()) << '"' << line << "\" in pieces of " << pieceSize;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(streamed.tokens[i].error, expected[i].error) << '"' << line << "\" token " << i;
        EXPECT_EQ(streamed.tokens[i].value, expected[i].value) << '"' << line << "\" token " << i;
    }
}

TEST(CombinationTokenizer, AgreesWithTheLiteralCleaning) {
    const char* lines[] = {"",
                           "1 2 3",
                           "  1\t2 . 3  ",
                           "1   2",
                           "1    2",
                           "1     2",
                           "1 \t 2",
                           "-3 +4",
                           "1 2 3 x",
                           "1 a2 3",
                           "+",
                           "1+",
                           "70000 1",
                           "1 70000x",
                           "\t\t",
                           ". : .",
                           "01. 02",
                           "01 . 02",
                           "0 91 -0",
                           "99999999999",
                           "1\r2",
                           "12345678901234567890 3"};
    for (const char* line : lines) {
        for (std::size_t pieceSize : {1u, 2u, 3u, 64u}) ExpectSameTokens(line, pieceSize);
    }
    const std::string alphabet = "0123456789      \t.:,\r+-x";
    std::mt19937 random(2024);
    for (int round = 0; round < 20000 && !HasFailure(); ++round) {
        std::string line(random() % 24, ' ');
        for (char& c : line) c = alphabet[random() % alphabet.size()];
        ExpectSameTokens(line, 1 + random() % 5);
    }
}

}  // namespace
}  // namespace ordavex
