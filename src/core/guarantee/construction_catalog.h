#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/known_designs.h"

namespace ordavex {

// A play without fixed numbers: lines of `length` over 1..numbers, `points` whenever `drawn` of
// them are drawn.
struct CoverPlay {
    int numbers = 0;
    int length = 0;
    int drawn = 0;
    int points = 0;
    friend auto operator<=>(const CoverPlay&, const CoverPlay&) = default;
};

// Matrices of a play that a library already holds (files of the player or shipped with the
// program), each as its lines.
using LibraryLookup = std::function<std::vector<std::vector<NumberMask>>(const CoverPlay&)>;
// A quick matrix for a small play (a greedy one, say); none when it has none to give.
using SmallMatrixSolver = std::function<std::optional<std::vector<NumberMask>>(const CoverPlay&)>;

// One way a matrix of a play was made, for the reader of a log and for the tests.
struct Construction {
    std::string how;
    std::vector<NumberMask> lines;
};

// Matrices made by construction, from designs and smaller matrices, before any search: the
// designs of known Steiner systems and finite geometries (with numbers removed and lines
// lengthened to fit, and their residuals; or only their blocks clear of the numbers removed), a
// greedy choice among the traces of the Golay code for the coverings, the library's matrices of the play and of one or
// two numbers more, a matrix for N - 1 numbers joined with one of shorter lines through the new number, and the union
// over a split of the numbers into two groups of products of smaller matrices. Each construction covers by its
// mathematics; the smallest matrix of every play asked is remembered, so that the smaller plays the recursion meets are
// made once.
class ConstructionCatalog {
public:
    // A stop request gives nothing; past the deadline the constructions already made are kept and
    // the costly ones (quick matrices, new numbers, splits) are no longer tried.
    ConstructionCatalog(LibraryLookup library, SmallMatrixSolver solver, std::function<bool()> stop = {},
                        std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

    // Every construction that fits the play, the trivial ones included; empty when stopped.
    std::vector<Construction> Constructions(const CoverPlay& play);
    // The one with fewest lines, or none.
    std::optional<std::vector<NumberMask>> Smallest(const CoverPlay& play);

private:
    void AddTrivial(const CoverPlay& play, std::vector<Construction>& found) const;
    void AddDesigns(const CoverPlay& play, std::vector<Construction>& found) const;
    // The blocks of a Steiner system that hold none of the numbers above the play's, as many
    // numbers as the system allows; any more are removed by mending lines.
    void AddDesignsClearOfRemoved(const CoverPlay& play, std::vector<Construction>& found) const;
    void AddGolayTraces(const CoverPlay& play, std::vector<Construction>& found) const;
    void AddLibrary(const CoverPlay& play, std::vector<Construction>& found) const;
    void AddNewNumber(const CoverPlay& play, std::vector<Construction>& found);
    void AddSplits(const CoverPlay& play, std::vector<Construction>& found);
    std::optional<std::vector<NumberMask>> SplitUnion(const CoverPlay& play, int firstNumbers, int firstLength);
    bool Stopped() const { return stop_ && stop_(); }
    bool PastDeadline() const { return std::chrono::steady_clock::now() > deadline_; }

    LibraryLookup library_;
    SmallMatrixSolver solver_;
    std::function<bool()> stop_;
    std::chrono::steady_clock::time_point deadline_;
    std::vector<SteinerSystem> steiner_;
    // The Steiner systems and their residuals.
    std::vector<SteinerSystem> designs_;
    std::map<CoverPlay, std::optional<std::vector<NumberMask>>> smallest_;
    int depth_ = 0;
};

}  // namespace ordavex
