#include "guarantee/matrix_generator_output.h"

#include "app/number_text.h"

namespace ordavex {

namespace {

// Fields of the name and numbers of the lines are written with two digits ("07").
constexpr int kFieldDigits = 2;

std::string TwoDigits(int value) { return ZeroPadded(value, kFieldDigits); }

}  // namespace

std::string ConventionalMatrixName(int numbers, int length, int drawn, int points) {
    return "MATRIX" + TwoDigits(length) + "_" + TwoDigits(drawn) + "_V" + std::to_string(points) + "_N" +
           TwoDigits(numbers) + ".TXT";
}

std::string MatrixFileText(const std::vector<NumberMask>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        bool first = true;
        for (NumberMask rest = lines[i]; !rest.Empty(); rest.RemoveLowest()) {
            if (!first) {
                text += ' ';
            }
            text += TwoDigits(rest.Lowest());
            first = false;
        }
    }
    return text;
}

}  // namespace ordavex
