#include "guarantee/golay_traces.h"

#include <algorithm>
#include <cstddef>

#include "guarantee/binomial.h"
#include "guarantee/known_designs.h"
#include "guarantee/number_choices.h"
#include "guarantee/seeded_random.h"

namespace ordavex {

namespace {

constexpr int kCodeLength = 24;
// The sets of a covering are counted in a table; larger plays are not this construction's.
constexpr std::uint64_t kMostSets = 1'000'000;

std::vector<NumberMask> Traces(int numbers, int length) {
    const NumberMask kept = NumberMask::FirstNumbers(numbers);
    std::vector<NumberMask> traces;
    for (const NumberMask& word : GolayCodeWords()) {
        const NumberMask trace = word & kept;
        if (trace.Count() == length) {
            traces.push_back(trace);
        }
    }
    std::sort(traces.begin(), traces.end());
    traces.erase(std::unique(traces.begin(), traces.end()), traces.end());
    return traces;
}

// Which traces hold each set, and which sets each trace holds.
struct Incidence {
    std::vector<std::vector<std::size_t>> setsOfLine;
    std::vector<std::vector<std::size_t>> linesOfSet;
};

Incidence IncidenceOf(const std::vector<NumberMask>& lines, int numbers, int strength) {
    Incidence incidence;
    incidence.setsOfLine.resize(lines.size());
    incidence.linesOfSet.resize(static_cast<std::size_t>(Binomial(numbers, strength)));
    for (std::size_t line = 0; line < lines.size(); ++line) {
        std::vector<int> pool(lines[line].begin(), lines[line].end());
        ForEachChoice(pool.data(), static_cast<int>(pool.size()), strength, [&](NumberMask set) {
            const auto rank = static_cast<std::size_t>(ColexRank(set));
            incidence.setsOfLine[line].push_back(rank);
            incidence.linesOfSet[rank].push_back(line);
        });
    }
    return incidence;
}

std::vector<std::size_t> GreedyChoice(const Incidence& incidence, SeededRandom& random) {
    std::vector<std::size_t> gain(incidence.setsOfLine.size());
    for (std::size_t line = 0; line < gain.size(); ++line) {
        gain[line] = incidence.setsOfLine[line].size();
    }
    std::vector<bool> covered(incidence.linesOfSet.size(), false);
    std::size_t uncovered = covered.size();
    std::vector<std::size_t> chosen;
    while (uncovered > 0) {
        std::size_t best = 0;
        std::size_t ties = 0;
        for (std::size_t line = 0; line < gain.size(); ++line) {
            if (gain[line] > gain[best]) {
                best = line;
                ties = 1;
            } else if (gain[line] == gain[best] && random.Below(++ties) == 0) {
                best = line;
            }
        }
        chosen.push_back(best);
        for (const std::size_t set : incidence.setsOfLine[best]) {
            if (!covered[set]) {
                covered[set] = true;
                --uncovered;
                for (const std::size_t line : incidence.linesOfSet[set]) {
                    --gain[line];
                }
            }
        }
    }
    return chosen;
}

}  // namespace

std::optional<std::vector<NumberMask>> GolayTraceCovering(int numbers, int length, int strength, int rounds,
                                                          std::uint64_t seed) {
    if (numbers >= kCodeLength || length >= numbers || strength < 1 || strength > length ||
        Binomial(numbers, strength) > kMostSets) {
        return std::nullopt;
    }
    const std::vector<NumberMask> traces = Traces(numbers, length);
    const Incidence incidence = IncidenceOf(traces, numbers, strength);
    const bool coversAll = std::none_of(incidence.linesOfSet.begin(), incidence.linesOfSet.end(),
                                        [](const std::vector<std::size_t>& lines) { return lines.empty(); });
    if (traces.empty() || !coversAll) {
        return std::nullopt;
    }
    SeededRandom random(seed);
    std::vector<std::size_t> smallest;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::size_t> chosen = GreedyChoice(incidence, random);
        if (smallest.empty() || chosen.size() < smallest.size()) {
            smallest = std::move(chosen);
        }
    }
    std::vector<NumberMask> lines;
    for (const std::size_t line : smallest) {
        lines.push_back(traces[line]);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace ordavex
