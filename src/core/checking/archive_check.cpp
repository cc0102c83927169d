#include "checking/archive_check.h"

#include <algorithm>

#include "checking/number_mask_of_line.h"

namespace ordavex {

namespace {

// Four histograms filled in turn: consecutive lines mostly share a score, and one counter
// increased again at once would make every line wait for the previous store.
constexpr std::size_t kInterleave = 4;
using Histograms = std::array<ScoreHistogram, kInterleave>;

#if defined(__GNUC__)
#define ORDAVEX_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define ORDAVEX_ALWAYS_INLINE inline
#endif

ORDAVEX_ALWAYS_INLINE void AddScores(const NumberMask* lines, std::size_t count, NumberMask draw, Histograms& counts) {
    std::size_t i = 0;
    for (; i + kInterleave <= count; i += kInterleave) {
        for (std::size_t k = 0; k < kInterleave; ++k)
            ++counts[k][static_cast<std::size_t>(CommonCount(lines[i + k], draw))];
    }
    for (; i < count; ++i) ++counts[0][static_cast<std::size_t>(CommonCount(lines[i], draw))];
}

// The population count is one instruction on every x86-64 processor of the last fifteen years,
// but the baseline instruction set lacks it; the scoring loop is built a second time for it and
// chosen when the processor has it. Elsewhere the compiler's own choice stands.
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
__attribute__((target("popcnt"))) void AddScoresWithPopcnt(const NumberMask* lines, std::size_t count, NumberMask draw,
                                                           Histograms& counts) {
    AddScores(lines, count, draw, counts);
}

void AddAllScores(const NumberMask* lines, std::size_t count, NumberMask draw, Histograms& counts) {
    static const bool hasPopcnt = __builtin_cpu_supports("popcnt");
    if (hasPopcnt) {
        AddScoresWithPopcnt(lines, count, draw, counts);
    } else {
        AddScores(lines, count, draw, counts);
    }
}
#else
void AddAllScores(const NumberMask* lines, std::size_t count, NumberMask draw, Histograms& counts) {
    AddScores(lines, count, draw, counts);
}
#endif

}  // namespace

ArchiveChecker::ArchiveChecker(const LineList& system, int wanted) : wanted_(wanted) {
    lines_.reserve(system.size());
    for (const auto& line : system) {
        lines_.push_back(NumberMaskOfLine(line));
        systemNumbers_ |= lines_.back();
    }
}

ScoreHistogram ArchiveChecker::Histogram(const NumberMask& draw) const {
    Histograms counts{};
    AddAllScores(lines_.data(), lines_.size(), draw, counts);
    ScoreHistogram total{};
    for (const auto& part : counts) {
        for (std::size_t s = 0; s < total.size(); ++s) total[s] += part[s];
    }
    return total;
}

void ArchiveChecker::Check(const std::vector<ArchiveDraw>& draws, std::size_t from, std::size_t to,
                           ArchiveRecord& record) const {
    for (std::size_t d = from; d < to; ++d) {
        const auto histogram = Histogram(draws[d].numbers);
        int best = 0;
        for (std::size_t s = 0; s < histogram.size(); ++s) {
            if (histogram[s] == 0) continue;
            best = static_cast<int>(s);
            if (s > static_cast<std::size_t>(kHighestReportedScore)) continue;
            ++record.drawsWith[s];
            record.wins[s] += histogram[s];
        }
        record.best.push_back({d, best});
        if (wanted_ > 0 && CommonCount(systemNumbers_, draws[d].numbers) >= wanted_) ++record.conditionMet;
    }
}

std::vector<DrawBest> BestFirst(std::vector<DrawBest> best) {
    std::stable_sort(best.begin(), best.end(), [](const DrawBest& a, const DrawBest& b) { return a.score > b.score; });
    return best;
}

}  // namespace ordavex
