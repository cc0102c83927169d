#include "guarantee/matrix_generator_output.h"

#include "app/number_text.h"

namespace ordavex {

namespace {

// Fields of the name and numbers of the lines are written with two digits ("07").
constexpr int kFieldDigits = 2;

std::string TwoDigits(int value) { return ZeroPadded(value, kFieldDigits); }

}  // namespace

std::string ConventionalMatrixName(int numbers, int length, int drawn, int points, int fixed,
                                   std::optional<BudgetMarks> marks) {
    std::string name = "MATRIX" + TwoDigits(length) + "_" + TwoDigits(drawn) + "_V" + std::to_string(points) + "_N" +
                       TwoDigits(numbers);
    if (fixed > 0) {
        name += "_F" + std::to_string(fixed);
    }
    if (marks) {
        name += "_B" + std::to_string(marks->budget) + "_T" + std::to_string(marks->aimedPoints);
    }
    return name + ".TXT";
}

std::string MatrixFileText(const std::vector<NumberMask>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        bool first = true;
        for (const int number : lines[i]) {
            if (!first) {
                text += ' ';
            }
            text += TwoDigits(number);
            first = false;
        }
    }
    return text;
}

}  // namespace ordavex
