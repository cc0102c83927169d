// Feeds arbitrary bytes, as a file, to the routines that read combination files, and checks each
// against a plain reading of the same bytes held in memory that follows the rules word for word:
// lines end at CR LF, CR or LF, items also at a comma, the six cleaning steps, a split at single
// blanks, and the conversion of every piece. Any disagreement, crash or undefined behaviour is a
// finding.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/error_number.h"
#include "app/text_split.h"
#include "combinations/combination_file_check.h"
#include "combinations/combination_file_reader.h"
#include "combinations/combination_line.h"
#include "combinations/combination_tokenizer.h"
#include "combinations/duplicate_removal.h"
#include "combinations/line_sort.h"
#include "combinations/matrix_file.h"
#include "combinations/matrix_name.h"
#include "combinations/number_token.h"
#include "combinations/system_file.h"

namespace ordavex {
namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "finding: %s\n", what);
        std::abort();
    }
}

// The file the routines read, one per fuzzing process.
class InputFile {
public:
    InputFile() {
        path_ = (std::filesystem::temp_directory_path() /
                 ("ordavex_fuzz_" + std::to_string(std::random_device{}()) + "_MATRIX10_08_V6.TXT"))
                    .string();
    }
    ~InputFile() { std::remove(path_.c_str()); }
    const std::string& Write(std::string_view bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path_;
    }

private:
    std::string path_;
};

// Splits into lines (CR LF, CR, LF) or items (also a comma; spaces at the start dropped),
// leaving out the ones that hold nothing.
// (Pieces are cut out whole rather than built a character at a time: the model must cost little
// next to the routines it checks.)
std::vector<std::string> Units(std::string_view bytes, bool items) {
    std::vector<std::string> units;
    const std::string_view ends = items ? "\r\n," : "\r\n";
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (items) {
            while (at < bytes.size() && bytes[at] == ' ') ++at;
        }
        const std::size_t end = std::min(bytes.find_first_of(ends, at), bytes.size());
        if (end > at) units.emplace_back(bytes.substr(at, end - at));
        at = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return units;
}

// Every line, empty ones included, as it stands between line ends.
std::vector<std::string> RawLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        if (end < bytes.size() || end > at) lines.emplace_back(bytes.substr(at, end - at));
        at = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::vector<NumberToken> LiteralTokens(std::string_view text) {
    std::vector<NumberToken> tokens;
    for (const auto& piece : SplitText(CleanCombinationLine(text), ' ')) tokens.push_back(ConvertNumberToken(piece));
    return tokens;
}

// The tokens of every item, in file order, up to the first line beyond the bound, which ends
// validation whatever the limits: read once for every set of limits.
struct ItemTokens {
    std::vector<std::vector<NumberToken>> items;
    bool lineTooLong = false;
};

ItemTokens TokensOfItems(const std::vector<std::string>& rawLines) {
    ItemTokens result;
    for (const auto& line : rawLines) {
        if (line.size() > kLongestLine) {
            result.lineTooLong = true;
            return result;
        }
        for (const auto& item : Units(line, true)) result.items.push_back(LiteralTokens(item));
    }
    return result;
}

// Validation, line by line: a line beyond the bound fails before its items are looked at.
int LiteralCheck(const ItemTokens& tokensOfItems, const CombinationLimits& limits) {
    for (const auto& tokens : tokensOfItems.items) {
        for (const auto& token : tokens) {
            if (token.error != 0) return token.error;
            if (token.value < 1 || token.value > limits.maxNumber) return kErrNumberOutOfRange;
        }
        const auto length = static_cast<std::int64_t>(tokens.size());
        if (length < limits.minLength || length > limits.maxLength) return kErrBadLength;
    }
    if (tokensOfItems.lineTooLong) return kErrBadLength;
    return tokensOfItems.items.empty() ? kErrEmptyFile : 0;
}

// The count of lines up to one past `stopAbove`, or -1 when a line beyond the bound comes first.
std::int64_t LiteralCount(const std::vector<std::string>& rawLines, std::int64_t stopAbove) {
    std::int64_t count = 0;
    for (const auto& line : rawLines) {
        if (line.size() > kLongestLine) return -1;
        if (!CleanCombinationLine(line).empty() && ++count > stopAbove) return count;
    }
    return count;
}

// What loading a system that passed validation gives: its lines are counted up to one past the
// limit (a line beyond the bound before that stops it), then each loads with 5 to 10 numbers.
SystemLoadOutcome LiteralSystemLoad(const std::vector<std::string>& lines) {
    std::size_t count = 0;
    for (const auto& line : lines) {
        if (line.size() > kLongestLine) return SystemLoadOutcome::Rejected;
        if (CleanCombinationLine(line).empty()) continue;
        if (++count > static_cast<std::size_t>(kSystemMaxLines)) return SystemLoadOutcome::TooManyLines;
    }
    for (const auto& line : lines) {
        const auto length = LiteralTokens(line).size();
        if (!CleanCombinationLine(line).empty() && (length < static_cast<std::size_t>(kShortestCombination) ||
                                                    length > static_cast<std::size_t>(kLongestCombination))) {
            return SystemLoadOutcome::Rejected;
        }
    }
    return SystemLoadOutcome::Loaded;
}

std::vector<std::string> LiteralCleanedLines(const std::vector<std::string>& units) {
    std::vector<std::string> lines;
    for (const auto& unit : units) {
        auto cleaned = CleanCombinationLine(unit);
        if (!cleaned.empty()) lines.push_back(cleaned);
    }
    return lines;
}

class FirstFailure {
public:
    bool Take(const NumberToken& token) {
        tokens.push_back(token);
        return token.error == 0;
    }
    std::vector<NumberToken> tokens;
};

void CheckCleaningAndTokens(std::string_view text) {
    const std::string cleaned = CleanCombinationLine(text);
    Require(cleaned.empty() || (cleaned.front() != ' ' && cleaned.back() != ' '), "cleaned line has end blanks");
    Require(std::none_of(cleaned.begin(), cleaned.end(), [](char c) { return c != ' ' && IsCombinationSeparator(c); }),
            "cleaned line keeps a separator");

    auto expected = LiteralTokens(text);
    const auto firstBad =
        std::find_if(expected.begin(), expected.end(), [](const NumberToken& t) { return t.error != 0; });
    if (firstBad != expected.end()) expected.erase(firstBad + 1, expected.end());
    CombinationTokenizer tokenizer;
    FirstFailure sink;
    tokenizer.Reset();
    const std::size_t piece = text.empty() ? 1 : 1 + static_cast<unsigned char>(text.front()) % 7;
    bool going = true;
    for (std::size_t at = 0; going && at < text.size(); at += piece)
        going = tokenizer.Feed(text.substr(at, piece), sink);
    if (going) tokenizer.Finish(sink);
    Require(sink.tokens.size() == expected.size(), "tokenizer and cleaning disagree on the number of tokens");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        Require(sink.tokens[i].error == expected[i].error && sink.tokens[i].value == expected[i].value,
                "tokenizer and cleaning disagree on a token");
    }
}

void CheckFileRoutines(std::string_view bytes, const std::string& path) {
    const auto items = Units(bytes, true);
    const auto lines = Units(bytes, false);
    const auto rawLines = RawLines(bytes);
    const ItemTokens tokensOfItems = TokensOfItems(rawLines);

    const CombinationLimits systemLimits{kShortestCombination, kLongestCombination, kHighestNumber};
    const int systemCheck = CheckCombinationFile(path, systemLimits);
    Require(systemCheck == LiteralCheck(tokensOfItems, systemLimits), "system validation disagrees");
    const CombinationLimits matrixLimits{kShortestCombination, kLongestCombination, kHighestNumber};
    const int matrixCheck = CheckCombinationFile(path, matrixLimits);
    Require(matrixCheck == LiteralCheck(tokensOfItems, matrixLimits), "matrix validation disagrees");
    const CombinationLimits looseLimits{0, 3, 32767};
    Require(CheckCombinationFile(path, looseLimits) == LiteralCheck(tokensOfItems, looseLimits),
            "validation with other limits disagrees");

    const auto cleanedLines = LiteralCleanedLines(lines);
    for (const std::int64_t stopAbove : {std::int64_t{2}, std::int64_t{INT32_MAX}}) {
        const std::int64_t expected = LiteralCount(rawLines, stopAbove);
        try {
            const auto count = CountCombinationLines(path, static_cast<std::int32_t>(stopAbove));
            Require(expected == count, "count disagrees");
        } catch (const OrdavexError& error) {
            Require(expected == -1 && error.Number() == kErrBadLength, "count failed where it should not");
        }
    }

    const auto system = LoadSystemFile(path);
    const SystemLoadOutcome expectedLoad = systemCheck != 0 ? SystemLoadOutcome::Rejected : LiteralSystemLoad(rawLines);
    if (systemCheck != 0) {
        Require(system.outcome == SystemLoadOutcome::Rejected && system.error == systemCheck,
                "system refusal disagrees");
    } else if (expectedLoad != SystemLoadOutcome::Loaded) {
        Require(system.outcome == expectedLoad &&
                    (expectedLoad != SystemLoadOutcome::Rejected || system.error == kErrBadLength),
                "system line refusal disagrees");
    } else {
        Require(system.outcome == SystemLoadOutcome::Loaded && system.lines == cleanedLines, "system lines disagree");
        LineList copy = system.lines;
        const auto removed = RemoveDuplicates(copy);
        Require(std::is_sorted(copy.begin(), copy.end()) &&
                    std::adjacent_find(copy.begin(), copy.end()) == copy.end() &&
                    copy.size() + static_cast<std::size_t>(removed) == system.lines.size(),
                "duplicate removal");
    }

    const auto matrix = LoadMatrixFile(path);
    if (matrixCheck != 0) {
        Require(matrix.outcome == MatrixLoadOutcome::Rejected && matrix.error == matrixCheck,
                "matrix refusal disagrees");
    } else {
        const MatrixInfo info = MatrixFileInfo(path);
        Require(info.items == static_cast<std::int32_t>(items.size()), "matrix item count disagrees");
        if (!info.consecutive) {
            Require(matrix.outcome == MatrixLoadOutcome::NotConsecutive, "non-consecutive matrix loaded");
        } else {
            Require(matrix.outcome == MatrixLoadOutcome::Loaded, "consecutive matrix refused");
            Require(matrix.matrix.lines == LiteralCleanedLines(items), "matrix lines disagree");
            Require(matrix.matrix.numbers == info.numbers, "matrix numbers disagree");
            LineList normalized = matrix.matrix.lines;
            NormalizeCombinations(normalized);
            Require(std::is_sorted(normalized.begin(), normalized.end()), "normalised lines unsorted");
        }
    }
}

}  // namespace
}  // namespace ordavex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ordavex::InputFile file;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ordavex::CheckCleaningAndTokens(bytes);
    ordavex::CheckFileRoutines(bytes, file.Write(bytes));
    (void)ordavex::GuaranteeCaption(ordavex::MatrixNameFields(bytes));
    (void)ordavex::MatrixDisplayName(bytes);
    return 0;
}
