// Feeds arbitrary bytes to the reader of archives of draws, whole and in pieces of sizes taken
// from the input, under the usual limits and under tiny ones. The outcome must not depend on how
// the bytes were cut, every draw must hold 20 numbers, and a refused archive must hold no draw.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "checking/draw_archive_parser.h"
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
    }
    return 0;
}
