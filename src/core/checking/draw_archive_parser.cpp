#include "checking/draw_archive_parser.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "app/app_state.h"
#include "app/text_split.h"

namespace ordavex {

namespace {

// Longer runs of digits are no number of the game and no sensible draw number.
constexpr std::size_t kMaxDigits = 9;
// How much of a faulty piece a message quotes.
constexpr std::size_t kQuotedLength = 24;
constexpr std::string_view kDrawNumberPrefixes[] = {"n.", "N."};
// A year written with four digits and a leading zero is a slip of the pen, not a date.
constexpr std::int64_t kFirstYear = 1000;

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool AllDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit); }

std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The piece as a message can show it: printable ASCII only, and not too long.
std::string Quoted(std::string_view piece) {
    std::string shown;
    for (char c : piece.substr(0, kQuotedLength)) shown += (c >= ' ' && c <= '~') ? c : '?';
    if (piece.size() > kQuotedLength) shown += "...";
    return "\"" + shown + "\"";
}

bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(std::int64_t month, std::int64_t year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsDateLike(std::string_view piece) { return piece.find_first_of("/-") != std::string_view::npos; }

// dd/mm/yyyy or yyyy-mm-dd (day and month with one or two digits) as yyyymmdd, if a real date
// from the year 1000 on.
std::optional<std::int32_t> ParseDate(std::string_view piece) {
    const bool dayFirst = piece.find('/') != std::string_view::npos;
    std::vector<std::string_view> fields;
    ForEachPiece(piece, dayFirst ? '/' : '-', [&fields](std::string_view field) { fields.push_back(field); });
    if (fields.size() != 3) return std::nullopt;
    const auto& yearField = dayFirst ? fields[2] : fields[0];
    const auto& dayField = dayFirst ? fields[0] : fields[2];
    const auto& monthField = fields[1];
    if (yearField.size() != 4 || dayField.size() > 2 || monthField.size() > 2) return std::nullopt;
    if (!AllDigits(yearField) || !AllDigits(dayField) || !AllDigits(monthField)) return std::nullopt;
    const auto year = DigitsValue(yearField);
    const auto month = DigitsValue(monthField);
    const auto day = DigitsValue(dayField);
    if (year < kFirstYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return std::nullopt;
    return static_cast<std::int32_t>(year * 10000 + month * 100 + day);
}

std::optional<std::string_view> MarkedDrawNumber(std::string_view piece) {
    for (auto prefix : kDrawNumberPrefixes) {
        if (piece.starts_with(prefix)) return piece.substr(prefix.size());
    }
    return std::nullopt;
}

// The pieces of one line and what they say, checked as they are met.
class LineReader {
public:
    // `pieces` is storage handed over from line to line. Unlike ForEachPiece, any run of blanks,
    // tabs, commas and semicolons parts two pieces and gives no empty one: archives are written by
    // hand and by other programs, which line their columns up and separate them as they please.
    LineReader(std::string_view line, std::vector<std::string_view>& pieces) : pieces_(pieces) {
        pieces_.clear();
        std::size_t start = 0;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i == line.size() || IsSeparator(line[i])) {
                if (i > start) pieces_.push_back(line.substr(start, i - start));
                start = i + 1;
            }
        }
    }

    // The draw of the line, or the reason it is not one.
    std::string Read(ArchiveDraw& draw) {
        numbersLeft_ = static_cast<int>(std::count_if(pieces_.begin(), pieces_.end(), AllDigits));
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            auto reason = ReadPiece(i, draw);
            if (!reason.empty()) return reason;
        }
        if (count_ != kNumbersPerDraw) {
            return "attesi " + std::to_string(kNumbersPerDraw) + " numeri, trovati " + std::to_string(count_);
        }
        return {};
    }

private:
    std::string ReadPiece(std::size_t i, ArchiveDraw& draw) {
        const auto piece = pieces_[i];
        if (IsDateLike(piece)) return ReadDate(piece, draw);
        if (const auto digits = MarkedDrawNumber(piece)) return ReadDrawNumber(piece, *digits, draw);
        if (!AllDigits(piece)) return "elemento non valido " + Quoted(piece);
        --numbersLeft_;
        if (IsDrawNumberBesideDate(i, draw)) return ReadDrawNumber(piece, piece, draw);
        return ReadNumber(piece, draw);
    }

    // Before the numbers, a plain number next to the date is the draw number: always when it
    // comes first, and after the date when the line holds one number more than a draw.
    bool IsDrawNumberBesideDate(std::size_t i, const ArchiveDraw& draw) const {
        if (count_ > 0 || draw.drawNumber >= 0) return false;
        const bool dateFollows = i + 1 < pieces_.size() && IsDateLike(pieces_[i + 1]) && draw.date == 0;
        const bool dateBefore = i > 0 && IsDateLike(pieces_[i - 1]) && draw.date != 0;
        return dateFollows || (dateBefore && numbersLeft_ == kNumbersPerDraw);
    }

    std::string ReadDate(std::string_view piece, ArchiveDraw& draw) {
        if (draw.date != 0 || count_ > 0) return "data fuori posto " + Quoted(piece);
        const auto date = ParseDate(piece);
        if (!date) return "data non valida " + Quoted(piece);
        draw.date = *date;
        return {};
    }

    std::string ReadDrawNumber(std::string_view piece, std::string_view digits, ArchiveDraw& draw) const {
        if (draw.drawNumber >= 0 || count_ > 0) return "numero di estrazione fuori posto " + Quoted(piece);
        if (!AllDigits(digits) || digits.size() > kMaxDigits) return "numero di estrazione non valido " + Quoted(piece);
        draw.drawNumber = DigitsValue(digits);
        return {};
    }

    std::string ReadNumber(std::string_view piece, ArchiveDraw& draw) {
        const auto value = piece.size() > kMaxDigits ? kHighestNumber + 1 : DigitsValue(piece);
        if (value < kLowestNumber || value > kHighestNumber) {
            return "numero " + Quoted(piece) + " fuori da " + std::to_string(kLowestNumber) + " a " +
                   std::to_string(kHighestNumber);
        }
        const int n = static_cast<int>(value);
        if (draw.numbers.Has(n)) return "numero " + std::to_string(n) + " ripetuto";
        draw.numbers.Set(n);
        ++count_;
        return {};
    }

    std::vector<std::string_view>& pieces_;
    int numbersLeft_ = 0;  // plain numbers not yet read, this one excluded
    int count_ = 0;
};

}  // namespace

void DrawArchiveParser::Feed(const char* bytes, std::size_t size) {
    const char* position = bytes;
    const char* const end = bytes + size;
    while (position != end && !Failed()) {
        const auto* newline =
            static_cast<const char*>(std::memchr(position, '\n', static_cast<std::size_t>(end - position)));
        AddToLine(position, newline != nullptr ? newline : end);
        if (newline == nullptr) break;
        EndLine();
        position = newline + 1;
    }
}

// Keeps at most one character beyond the longest line allowed: enough to know the line is too long.
void DrawArchiveParser::AddToLine(const char* from, const char* to) {
    if (inComment_) return;
    if (!seenContent_) {
        const char* first = std::find_if_not(from, to, IsBlank);
        if (first != to) {
            seenContent_ = true;
            inComment_ = *first == '#';
            if (inComment_) return;
        }
    }
    const std::size_t room = limits_.maxLineLength + 1 - line_.size();
    const auto size = static_cast<std::size_t>(to - from);
    tooLong_ = tooLong_ || size > room;
    line_.append(from, std::min(size, room));
}

void DrawArchiveParser::EndLine() {
    if (!inComment_) ReadLine();
    line_.clear();
    seenContent_ = false;
    inComment_ = false;
    tooLong_ = false;
    ++lineNumber_;
}

void DrawArchiveParser::ReadLine() {
    std::string_view line = line_;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (tooLong_ || line.size() > limits_.maxLineLength) {
        Fail("riga troppo lunga (oltre " + std::to_string(limits_.maxLineLength) + " caratteri)");
        return;
    }
    if (line.find_first_not_of(" \t") == std::string_view::npos) return;  // a blank line
    if (draws_.size() >= limits_.maxDraws) {
        Fail("l'archivio supera " + std::to_string(limits_.maxDraws) + " estrazioni");
        return;
    }
    ArchiveDraw draw;
    const auto reason = LineReader(line, pieces_).Read(draw);
    if (!reason.empty()) {
        Fail(reason);
        return;
    }
    draws_.push_back(draw);
}

void DrawArchiveParser::Fail(const std::string& reason) {
    error_ = "Riga " + std::to_string(lineNumber_) + ": " + reason;
}

ArchiveReading DrawArchiveParser::Finish() {
    if (!Failed() && (inComment_ || !line_.empty())) EndLine();
    ArchiveReading reading;
    if (Failed()) {
        reading.error = error_;
    } else if (draws_.empty()) {
        reading.error = "L'archivio non contiene estrazioni";
    } else {
        reading.draws = std::move(draws_);
    }
    draws_.clear();
    return reading;
}

}  // namespace ordavex
