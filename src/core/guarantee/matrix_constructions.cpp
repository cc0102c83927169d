#include "guarantee/matrix_constructions.h"

#include <algorithm>

namespace ordavex {

namespace {

using UseCounts = std::vector<int>;

UseCounts CountUses(const std::vector<NumberMask>& lines, int numbers) {
    UseCounts uses(static_cast<std::size_t>(numbers) + 1, 0);
    for (const NumberMask line : lines) {
        for (const int number : line) {
            if (number <= numbers) {
                ++uses[static_cast<std::size_t>(number)];
            }
        }
    }
    return uses;
}

// The number of 1..numbers, not in the line nor `excluded`, used least; 0 when there is none.
int LeastUsedMissing(NumberMask line, const UseCounts& uses, int numbers, int excluded) {
    int chosen = 0;
    for (int number = 1; number <= numbers; ++number) {
        if (number != excluded && !line.Has(number) &&
            (chosen == 0 || uses[static_cast<std::size_t>(number)] < uses[static_cast<std::size_t>(chosen)])) {
            chosen = number;
        }
    }
    return chosen;
}

NumberMask MovedDownAbove(NumberMask line, int removed) {
    NumberMask moved;
    for (const int number : line) {
        if (number < removed) {
            moved.Set(number);
        } else if (number > removed) {
            moved.Set(number - 1);
        }
    }
    return moved;
}

}  // namespace

std::vector<NumberMask> WithoutNumber(const std::vector<NumberMask>& lines, int numbers, int removed) {
    UseCounts uses = CountUses(lines, numbers);
    std::vector<NumberMask> mended;
    mended.reserve(lines.size());
    for (NumberMask line : lines) {
        if (line.Has(removed)) {
            line.Clear(removed);
            if (const int replacement = LeastUsedMissing(line, uses, numbers, removed); replacement != 0) {
                line.Set(replacement);
                ++uses[static_cast<std::size_t>(replacement)];
            }
        }
        mended.push_back(MovedDownAbove(line, removed));
    }
    return DistinctLines(std::move(mended));
}

std::vector<NumberMask> LinesWithout(const std::vector<NumberMask>& lines, int removed) {
    std::vector<NumberMask> rest;
    for (const NumberMask line : lines) {
        if (!line.Has(removed)) {
            rest.push_back(MovedDownAbove(line, removed));
        }
    }
    return DistinctLines(std::move(rest));
}

std::vector<NumberMask> Lengthened(const std::vector<NumberMask>& lines, int numbers, int length) {
    UseCounts uses = CountUses(lines, numbers);
    std::vector<NumberMask> longer;
    longer.reserve(lines.size());
    for (NumberMask line : lines) {
        while (line.Count() < length) {
            const int number = LeastUsedMissing(line, uses, numbers, 0);
            if (number == 0) {
                break;
            }
            line.Set(number);
            ++uses[static_cast<std::size_t>(number)];
        }
        longer.push_back(line);
    }
    return DistinctLines(std::move(longer));
}

std::vector<NumberMask> WithNewNumber(const std::vector<NumberMask>& withoutIt,
                                      const std::vector<NumberMask>& throughIt, int newNumber) {
    std::vector<NumberMask> lines = withoutIt;
    for (NumberMask line : throughIt) {
        line.Set(newNumber);
        lines.push_back(line);
    }
    return DistinctLines(std::move(lines));
}

std::vector<NumberMask> Product(const std::vector<NumberMask>& first, const std::vector<NumberMask>& second,
                                int offset) {
    std::vector<NumberMask> lines;
    lines.reserve(first.size() * second.size());
    for (const NumberMask b : second) {
        NumberMask moved;
        for (const int number : b) {
            moved.Set(number + offset);
        }
        for (const NumberMask a : first) {
            lines.push_back(a | moved);
        }
    }
    return DistinctLines(std::move(lines));
}

std::vector<NumberMask> DistinctLines(std::vector<NumberMask> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

}  // namespace ordavex
