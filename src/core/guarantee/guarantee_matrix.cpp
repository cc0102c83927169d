#include "guarantee/guarantee_matrix.h"

#include <algorithm>
#include <stdexcept>

namespace ordavex {

namespace {

constexpr int kLargestNumber = 90;

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '.' || c == ':'; }

// The different numbers of one line.
NumberMask ReadLine(const std::string& line, std::size_t lineNumber) {
    NumberMask numbers;
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsSeparator(line[at])) {
            ++at;
            continue;
        }
        int value = 0;
        std::size_t digits = 0;
        while (at < line.size() && !IsSeparator(line[at])) {
            const char c = line[at++];
            if (c < '0' || c > '9' || ++digits > 3) {
                throw std::invalid_argument("line " + std::to_string(lineNumber) + ": not a number from 1 to 90");
            }
            value = value * 10 + (c - '0');
        }
        if (value < 1 || value > kLargestNumber) {
            throw std::invalid_argument("line " + std::to_string(lineNumber) + ": not a number from 1 to 90");
        }
        numbers.Set(value);
    }
    return numbers;
}

}  // namespace

GuaranteeMatrix ReadGuaranteeMatrix(const std::vector<std::string>& lines) {
    GuaranteeMatrix matrix;
    NumberMask used;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const NumberMask line = ReadLine(lines[i], i + 1);
        if (line.Empty()) {
            continue;
        }
        const int size = line.Count();
        matrix.shortestLine = matrix.lines.empty() ? size : std::min(matrix.shortestLine, size);
        matrix.longestLine = std::max(matrix.longestLine, size);
        matrix.lines.push_back(line);
        used |= line;
    }
    if (matrix.lines.empty()) {
        throw std::invalid_argument("the matrix has no line");
    }
    for (NumberMask rest = used; !rest.Empty(); rest.RemoveLowest()) {
        matrix.numbers = rest.Lowest();
    }
    matrix.consecutive = used == NumberMask::FirstNumbers(matrix.numbers);
    return matrix;
}

std::vector<std::string> SplitFileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        lines.push_back(current);
    }
    return lines;
}

}  // namespace ordavex
