// Feeds arbitrary bytes to the reader of archives of draws, whole and in pieces of sizes taken
// from the input, under the usual limits and under tiny ones. The outcome must not depend on how
// the bytes were cut, every draw must hold 20 numbers, and a refused archive must hold no draw.
// The statistics of the numbers then run over the draws read, all of them and a range taken from
// the input, and must agree with a count made number by number.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "checking/draw_archive_parser.h"
#include "checking/number_statistics.h"
#include "lottery/number_range.h"

namespace ordavex {
namespace {

ArchiveReading ReadWhole(const std::string& bytes, const ArchiveLimits& limits) {
    DrawArchiveParser parser(limits);
    parser.Feed(bytes.data(), bytes.size());
    return parser.Finish();
}

ArchiveReading ReadInPieces(const std::string& bytes, const ArchiveLimits& limits, std::uint8_t seed) {
    DrawArchiveParser parser(limits);
    std::size_t at = 0;
    std::size_t step = seed % 13 + 1;
    while (at < bytes.size()) {
        const std::size_t size = std::min(step, bytes.size() - at);
        parser.Feed(bytes.data() + at, size);
        at += size;
        step = step * 7 % 29 + 1;
    }
    return parser.Finish();
}

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckReading(const ArchiveReading& reading, const ArchiveLimits& limits) {
    Require(reading.errorNumber == 0);
    Require(reading.error.empty() != reading.draws.empty());
    Require(reading.draws.size() <= limits.maxDraws);
    for (const auto& draw : reading.draws) {
        Require(draw.numbers.Count() == kNumbersPerDraw);
        Require(Without(draw.numbers, NumberMask::FirstNumbers(kHighestNumber)).Empty());
        Require(draw.date == 0 || (draw.date >= 10000101 && draw.date <= 99991231));
    }
}

bool SameDraws(const ArchiveReading& a, const ArchiveReading& b) {
    if (a.error != b.error || a.draws.size() != b.draws.size()) return false;
    for (std::size_t i = 0; i < a.draws.size(); ++i) {
        if (!(a.draws[i].numbers == b.draws[i].numbers) || a.draws[i].date != b.draws[i].date ||
            a.draws[i].drawNumber != b.draws[i].drawNumber) {
            return false;
        }
    }
    return true;
}

// Beyond this many draws only the pairs kept are counted again, not all of them.
constexpr std::size_t kDrawsForAllPairs = 64;

std::int64_t PairCount(const std::vector<ArchiveDraw>& draws, DrawRange range, int low, int high) {
    std::int64_t count = 0;
    for (std::size_t i = range.first; i < range.end; ++i) {
        count += draws[i].numbers.Has(low) && draws[i].numbers.Has(high) ? 1 : 0;
    }
    return count;
}

void CheckNumber(const std::vector<ArchiveDraw>& draws, DrawRange range, const NumberRecord& record, int number) {
    std::int64_t drawn = 0;
    std::int64_t run = 0;
    std::int64_t longest = 0;
    for (std::size_t i = range.first; i < range.end; ++i) {
        run = draws[i].numbers.Has(number) ? 0 : run + 1;
        drawn += run == 0 ? 1 : 0;
        longest = std::max(longest, run);
    }
    Require(record.drawn == drawn);
    Require(record.delay == (drawn == 0 ? kNeverDrawn : run));
    Require(record.longestDelay == longest);
}

void CheckStatistics(const std::vector<ArchiveDraw>& draws, DrawRange range) {
    const auto statistics = CountNumberStatistics(draws, range);
    Require(statistics.has_value());
    Require(statistics->draws == static_cast<std::int64_t>(range.Size()));
    std::int64_t drawn = 0;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        CheckNumber(draws, range, statistics->Of(n), n);
        drawn += statistics->Of(n).drawn;
    }
    Require(drawn == statistics->draws * kNumbersPerDraw);
    const auto& pairs = statistics->topPairs;
    Require(pairs.size() == (range.Empty() ? 0 : kTopPairs));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        Require(pairs[i].low < pairs[i].high && pairs[i].count > 0);
        Require(pairs[i].count == PairCount(draws, range, pairs[i].low, pairs[i].high));
        if (i > 0) Require(pairs[i - 1].count >= pairs[i].count);
    }
    if (range.Size() > kDrawsForAllPairs || pairs.empty()) return;
    // No pair left out is drawn more often than the last one kept, nor as often with lower numbers.
    const NumberPair& last = pairs.back();
    for (int low = kLowestNumber; low < kHighestNumber; ++low) {
        for (int high = low + 1; high <= kHighestNumber; ++high) {
            const bool kept = std::any_of(pairs.begin(), pairs.end(),
                                          [&](const NumberPair& p) { return p.low == low && p.high == high; });
            if (kept) continue;
            const std::int64_t count = PairCount(draws, range, low, high);
            Require(count < last.count ||
                    (count == last.count && std::pair(low, high) > std::pair(last.low, last.high)));
        }
    }
}

}  // namespace
}  // namespace ordavex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ordavex;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint8_t seed = size > 0 ? data[0] : 0;
    for (const ArchiveLimits& limits : {ArchiveLimits{}, ArchiveLimits{3, 70}}) {
        const auto whole = ReadWhole(bytes, limits);
        CheckReading(whole, limits);
        Require(SameDraws(whole, ReadInPieces(bytes, limits, seed)));
        if (limits.maxDraws != ArchiveLimits{}.maxDraws) continue;
        const std::size_t count = whole.draws.size();
        CheckStatistics(whole.draws, {0, count});
        const std::uint8_t cut = size > 1 ? data[1] : 0;
        CheckStatistics(whole.draws, {count == 0 ? 0 : seed % count, count == 0 ? 0 : count - cut % (count + 1)});
    }
    return 0;
}
