#include "guarantee/construction_catalog.h"

#include <algorithm>
#include <string>
#include <utility>

#include "guarantee/binomial.h"
#include "guarantee/finite_geometry.h"
#include "guarantee/golay_traces.h"
#include "guarantee/matrix_constructions.h"

namespace ordavex {

namespace {

// A design is cut down to the play by removing at most this many numbers: each removal mends
// lines, and far below its size a design no longer leads.
constexpr int kMostNumbersRemoved = 8;
// Library matrices of up to this many numbers more are cut down too.
constexpr int kLibraryNumbersAbove = 2;
// Plays of at most this many sets of drawn numbers get a quick matrix of the solver as well.
constexpr std::uint64_t kSmallPlaySets = 3'000;
// A split into two groups nests at most this deep: deeper splits cost much and gave nothing.
constexpr int kMostSplitDepth = 2;
// A construction larger than this is given up: it cannot lead.
constexpr std::size_t kMostConstructionLines = 100'000;
// Greedy choices among the Golay code's traces, each breaking ties otherwise: on 4 points of 20
// numbers with 8-number lines the smallest of 64 is 11 lines below the first; each takes a
// fraction of a millisecond.
constexpr int kTraceRounds = 64;
constexpr std::uint64_t kTraceSeed = 1;

bool IsPlay(const CoverPlay& play) {
    return play.numbers >= 1 && play.length >= 1 && play.length <= play.numbers && play.drawn >= 0 &&
           play.drawn <= play.numbers && play.points <= std::min(play.length, play.drawn);
}

std::vector<NumberMask> OneLine(int length) { return {NumberMask::FirstNumbers(length)}; }

// Lines of `length` consecutive numbers over 1..upTo, the last one lengthened within 1..numbers.
std::vector<NumberMask> ConsecutiveLines(int upTo, int numbers, int length) {
    std::vector<NumberMask> lines;
    for (int first = 1; first <= upTo; first += length) {
        NumberMask line;
        for (int number = first; number < first + length && number <= upTo; ++number) {
            line.Set(number);
        }
        lines.push_back(line);
    }
    return Lengthened(lines, numbers, length);
}

// The blocks not through the last number of a design in which every s - 1 numbers lie in at least
// two blocks: a design of strength s - 1 over one number fewer.
std::optional<SteinerSystem> ResidualOf(const SteinerSystem& design) {
    const int strength = design.strength;
    if (strength < 2 || (design.numbers - strength + 1) < 2 * (design.length - strength + 1)) {
        return std::nullopt;
    }
    return SteinerSystem{design.numbers - 1, design.length, strength - 1, LinesWithout(design.blocks, design.numbers)};
}

std::vector<SteinerSystem> SteinerDesigns() {
    std::vector<SteinerSystem> designs = KnownSteinerSystems();
    const SteinerSystem octads = GolayOctads();
    // S(2, 5, 21) again, numbered otherwise than the plane over GF(4): cut down by the same
    // numbers, the two give matrices of different sizes, and the smaller is kept.
    designs.push_back(DerivedSystem(octads, 3));
    for (SteinerSystem& design : FiniteGeometryDesigns()) {
        designs.push_back(std::move(design));
    }
    return designs;
}

std::vector<SteinerSystem> CatalogDesigns(const std::vector<SteinerSystem>& steiner) {
    std::vector<SteinerSystem> designs = steiner;
    for (const SteinerSystem& design : steiner) {
        if (auto residual = ResidualOf(design)) {
            designs.push_back(std::move(*residual));
        }
    }
    return designs;
}

// In a Steiner system S(s, K, V) the blocks through any s - 1 numbers meet only in them, and so
// split the other V - s + 1 numbers into (V - s + 1) / (K - s + 1) parts: fewer removed numbers
// than parts leave one of those blocks clear of them. The blocks clear of the removed numbers
// thus still hold every s - 1 of the numbers left.
int MostNumbersClearedAway(const SteinerSystem& design) {
    const int rest = design.numbers - design.strength + 1;
    return rest / (design.length - design.strength + 1) - 1;
}

std::string DesignName(const SteinerSystem& design) {
    return "design S(" + std::to_string(design.strength) + "," + std::to_string(design.length) + "," +
           std::to_string(design.numbers) + ")";
}

// A matrix of `numbers` cut down to fewer by removing its highest numbers.
std::vector<NumberMask> CutDown(std::vector<NumberMask> lines, int from, int to) {
    for (int numbers = from; numbers > to; --numbers) {
        lines = WithoutNumber(lines, numbers, numbers);
    }
    return lines;
}

// For a split of the drawn numbers, p1 in the first group: the points the first group's matrix
// must give (i) so that the second's t - i are within reach, as the range [lowest, highest].
struct PointsRange {
    int lowest = 0;
    int highest = 0;
};

PointsRange FirstGroupPoints(const CoverPlay& play, int firstDrawn, int firstLength, int secondLength) {
    const int lowest = std::max({0, play.points - (play.drawn - firstDrawn), play.points - secondLength});
    const int highest = std::min({firstDrawn, play.points, firstLength});
    return {lowest, highest};
}

}  // namespace

ConstructionCatalog::ConstructionCatalog(LibraryLookup library, SmallMatrixSolver solver, std::function<bool()> stop,
                                         std::chrono::steady_clock::time_point deadline)
    : library_(std::move(library)),
      solver_(std::move(solver)),
      stop_(std::move(stop)),
      deadline_(deadline),
      steiner_(SteinerDesigns()),
      designs_(CatalogDesigns(steiner_)) {}

std::vector<Construction> ConstructionCatalog::Constructions(const CoverPlay& play) {
    std::vector<Construction> found;
    if (!IsPlay(play) || Stopped()) {
        return found;
    }
    AddTrivial(play, found);
    AddDesigns(play, found);
    AddDesignsClearOfRemoved(play, found);
    AddGolayTraces(play, found);
    AddLibrary(play, found);
    if (!PastDeadline()) {
        if (solver_ && Binomial(play.numbers, play.drawn) <= kSmallPlaySets) {
            if (auto quick = solver_(play)) {
                found.push_back({"quick search", std::move(*quick)});
            }
        }
        AddNewNumber(play, found);
        AddSplits(play, found);
    }
    if (Stopped()) {
        found.clear();
    }
    return found;
}

std::optional<std::vector<NumberMask>> ConstructionCatalog::Smallest(const CoverPlay& play) {
    if (const auto known = smallest_.find(play); known != smallest_.end()) {
        return known->second;
    }
    std::optional<std::vector<NumberMask>> smallest;
    for (Construction& construction : Constructions(play)) {
        if (!smallest || construction.lines.size() < smallest->size()) {
            smallest = std::move(construction.lines);
        }
    }
    if (!Stopped()) {
        smallest_[play] = smallest;
    }
    return smallest;
}

void ConstructionCatalog::AddTrivial(const CoverPlay& play, std::vector<Construction>& found) const {
    // Any line meets a draw in at least k + p - N numbers.
    if (play.points <= 0 || play.length + play.drawn - play.numbers >= play.points) {
        found.push_back({"one line", OneLine(play.length)});
    } else if (play.points == 1) {
        // The lowest drawn number is at most N - p + 1.
        found.push_back(
            {"lines over 1..N-p+1", ConsecutiveLines(play.numbers - play.drawn + 1, play.numbers, play.length)});
    }
}

void ConstructionCatalog::AddDesigns(const CoverPlay& play, std::vector<Construction>& found) const {
    for (const SteinerSystem& design : designs_) {
        if (design.strength < play.points || design.strength > play.drawn || design.length > play.length ||
            design.numbers < play.numbers || design.numbers - play.numbers > kMostNumbersRemoved) {
            continue;
        }
        std::vector<NumberMask> lines = CutDown(design.blocks, design.numbers, play.numbers);
        found.push_back({DesignName(design), Lengthened(lines, play.numbers, play.length)});
    }
}

void ConstructionCatalog::AddDesignsClearOfRemoved(const CoverPlay& play, std::vector<Construction>& found) const {
    for (const SteinerSystem& design : steiner_) {
        const int held = design.strength - 1;
        const int removed = design.numbers - play.numbers;
        const int cleared = std::min(removed, MostNumbersClearedAway(design));
        if (held < play.points || held > play.drawn || design.length > play.length || cleared < 1 ||
            removed > kMostNumbersRemoved) {
            continue;
        }
        std::vector<NumberMask> lines = design.blocks;
        for (int number = design.numbers; number > design.numbers - cleared; --number) {
            lines = LinesWithout(lines, number);
        }
        // The numbers past those the blocks can be cleared of are removed as from any matrix.
        lines = CutDown(std::move(lines), design.numbers - cleared, play.numbers);
        std::string how = DesignName(design) + " clear of " + std::to_string(cleared) + " numbers";
        if (removed > cleared) how += ", less " + std::to_string(removed - cleared) + " more";
        found.push_back({std::move(how), Lengthened(lines, play.numbers, play.length)});
    }
}

// Only for the plays whose guarantee is a covering: where more numbers are drawn than give the
// points, covering every set of the points is far more than they need.
void ConstructionCatalog::AddGolayTraces(const CoverPlay& play, std::vector<Construction>& found) const {
    if (play.points != play.drawn || play.points < 2) {
        return;
    }
    if (auto lines = GolayTraceCovering(play.numbers, play.length, play.points, kTraceRounds, kTraceSeed)) {
        found.push_back({"traces of the Golay code", std::move(*lines)});
    }
}

void ConstructionCatalog::AddLibrary(const CoverPlay& play, std::vector<Construction>& found) const {
    if (!library_) {
        return;
    }
    for (int more = 0; more <= kLibraryNumbersAbove; ++more) {
        CoverPlay larger = play;
        larger.numbers += more;
        for (const std::vector<NumberMask>& lines : library_(larger)) {
            found.push_back({"library matrix of " + std::to_string(larger.numbers) + " numbers",
                             CutDown(lines, larger.numbers, play.numbers)});
        }
    }
    if (play.length > 1 && play.points <= play.length - 1) {
        for (const std::vector<NumberMask>& lines :
             library_({play.numbers, play.length - 1, play.drawn, play.points})) {
            found.push_back({"library matrix of shorter lines", Lengthened(lines, play.numbers, play.length)});
        }
    }
}

void ConstructionCatalog::AddNewNumber(const CoverPlay& play, std::vector<Construction>& found) {
    if (play.numbers - 1 < play.length || play.length < 2 || play.drawn > play.numbers - 1 || play.points < 1) {
        return;
    }
    const auto withoutIt = Smallest({play.numbers - 1, play.length, play.drawn, play.points});
    const auto throughIt = play.points == 1
                               ? std::optional(OneLine(play.length - 1))
                               : Smallest({play.numbers - 1, play.length - 1, play.drawn - 1, play.points - 1});
    if (withoutIt && throughIt) {
        found.push_back(
            {"N-1 numbers and shorter lines through N", WithNewNumber(*withoutIt, *throughIt, play.numbers)});
    }
}

void ConstructionCatalog::AddSplits(const CoverPlay& play, std::vector<Construction>& found) {
    if (depth_ >= kMostSplitDepth || play.points < 1) {
        return;
    }
    ++depth_;
    for (int firstNumbers = 1; firstNumbers <= play.numbers / 2; ++firstNumbers) {
        for (int firstLength = 1; firstLength < play.length && firstLength <= firstNumbers; ++firstLength) {
            if (play.length - firstLength > play.numbers - firstNumbers || Stopped() || PastDeadline()) {
                continue;
            }
            if (auto lines = SplitUnion(play, firstNumbers, firstLength)) {
                found.push_back({"split " + std::to_string(firstNumbers) + "+" +
                                     std::to_string(play.numbers - firstNumbers) + ", lines " +
                                     std::to_string(firstLength) + "+" + std::to_string(play.length - firstLength),
                                 std::move(*lines)});
            }
        }
    }
    --depth_;
}

// The numbers split into 1..v1 and the rest, lines into k1 and k - k1 numbers. A draw falls into
// p1 and p - p1; the products of a matrix for (v1, k1, i of a) and one for (v2, k2, t - i of
// p - b) meet every draw with a <= p1 <= b. The values of i are chosen from the lowest p1 up,
// each as high as the lowest p1 it serves allows, so that it serves as many more as it can.
std::optional<std::vector<NumberMask>> ConstructionCatalog::SplitUnion(const CoverPlay& play, int firstNumbers,
                                                                       int firstLength) {
    const int secondNumbers = play.numbers - firstNumbers;
    const int secondLength = play.length - firstLength;
    const int lowestDrawn = std::max(0, play.drawn - secondNumbers);
    const int highestDrawn = std::min(play.drawn, firstNumbers);
    std::vector<NumberMask> lines;
    for (int from = lowestDrawn; from <= highestDrawn;) {
        const PointsRange range = FirstGroupPoints(play, from, firstLength, secondLength);
        if (range.lowest > range.highest) {
            return std::nullopt;
        }
        const int points = range.highest;
        int to = from;
        while (to + 1 <= highestDrawn && FirstGroupPoints(play, to + 1, firstLength, secondLength).lowest <= points) {
            ++to;
        }
        const auto first =
            points == 0 ? std::optional(OneLine(firstLength)) : Smallest({firstNumbers, firstLength, from, points});
        const int secondPoints = play.points - points;
        const auto second = secondPoints == 0 ? std::optional(OneLine(secondLength))
                                              : Smallest({secondNumbers, secondLength, play.drawn - to, secondPoints});
        if (!first || !second || lines.size() + first->size() * second->size() > kMostConstructionLines) {
            return std::nullopt;
        }
        const std::vector<NumberMask> product = Product(*first, *second, firstNumbers);
        lines.insert(lines.end(), product.begin(), product.end());
        from = to + 1;
    }
    return DistinctLines(std::move(lines));
}

}  // namespace ordavex
