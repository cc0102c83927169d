#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "app/app_state.h"
#include "checking/draw_archive.h"
#include "checking/win_tabulation.h"

namespace ordavex {

// How many combinations scored each possible score (0..20) against one draw.
using ScoreHistogram = std::array<std::int64_t, kNumbersPerDraw + 1>;

// The best score of the system in one draw of the archive.
struct DrawBest {
    std::size_t position = 0;  // index of the draw in the archive
    int score = 0;
};

// A system's record over a range of draws. For each score 0..10: in how many draws at least one
// combination scored exactly that, and how many combinations did so over all the draws.
struct ArchiveRecord {
    std::array<std::int64_t, kHighestReportedScore + 1> drawsWith{};
    std::array<std::int64_t, kHighestReportedScore + 1> wins{};
    std::vector<DrawBest> best;     // one entry per draw checked, in the archive's order
    std::int64_t conditionMet = 0;  // draws holding at least `wanted` of the system's numbers
};

// Scores a system against draws of an archive, with the combinations read once into number sets.
// Scoring is that of the draw check: a number written twice in a combination scores once.
class ArchiveChecker {
public:
    // `wanted`: the drawn numbers of the system that the record's conditionMet counts; 0 for none.
    ArchiveChecker(const LineList& system, int wanted);

    ScoreHistogram Histogram(const NumberMask& draw) const;
    // Adds the draws [from, to) of `draws` to the record; a long range can be checked in pieces.
    void Check(const std::vector<ArchiveDraw>& draws, std::size_t from, std::size_t to, ArchiveRecord& record) const;
    const NumberMask& SystemNumbers() const { return systemNumbers_; }
    std::size_t LineCount() const { return lines_.size(); }

private:
    std::vector<NumberMask> lines_;
    NumberMask systemNumbers_;
    int wanted_;
};

// The draws checked, best score first; draws with equal scores keep the archive's order.
std::vector<DrawBest> BestFirst(std::vector<DrawBest> best);

}  // namespace ordavex
