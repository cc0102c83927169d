#pragma once

#include <cstdint>
#include <vector>

#include "combinations/number_mask.h"
#include "guarantee/annealing_mover.h"
#include "guarantee/greedy_start.h"
#include "guarantee/matrix_generator.h"
#include "guarantee/rotation_start.h"
#include "guarantee/search_control.h"
#include "guarantee/search_matrix.h"
#include "guarantee/seeded_random.h"
#include "guarantee/shared_search.h"
#include "guarantee/weighted_mover.h"

namespace ordavex {

// One search, on one thread: its start, then rounds of moves that keep the smallest complete
// matrix met. Whenever the matrix is complete its least useful line leaves and the moves make it
// complete again; a search that stalls starts again from the smallest matrix less a line, or now
// and then from a new greedy one; the alternating method hands over from one mover to the other
// by rounds, and now and then lets a search of rotations propose a smaller matrix. Within a
// budget, until a complete matrix turns up, the moves work on matrices of the budget's lines and
// the one that leaves fewest sets uncovered is kept; a covering first aims below its greedy start
// in the same way.
class SearchRounds {
public:
    // Throws std::length_error when the table of sets is beyond what a search holds.
    // `constructed`, when given, is a proved matrix of the play that the search starts from when it
    // is smaller than its greedy start; it must outlive the search.
    SearchRounds(const GeneratorSettings& settings, std::uint64_t seed, SharedSearch& shared, bool reports,
                 const std::vector<NumberMask>* constructed = nullptr);

    GeneratorResult Run();

private:
    // The first matrix: a known design or a greedy one, within the budget; false when stopped.
    bool Start();
    // Takes a complete matrix as the start, within the budget less its least useful lines.
    void TakeStart(const std::vector<NumberMask>& lines);
    void Improve();
    bool PatienceSpent(std::uint64_t movesSinceBest) const;
    bool RoundSpent() const;
    void Restart();
    bool AnnealsInRound(std::uint64_t round) const;
    bool TriesRotationsInRound(std::uint64_t round) const;
    bool StartFromRotations();
    void StartAgain(bool fresh);
    void ForgetMatrix();
    void ReadyMatrix();
    // Keeps the matrix when it is complete and smaller than the smallest kept, or, within a
    // budget and before any complete one, when it leaves fewer sets uncovered than the best of
    // the budget's lines; returns whether it did.
    bool KeepIfBetter();
    // The size the search holds while no complete matrix that small is met: the budget's, or an
    // aim below the start's; none (0) when it only descends.
    std::size_t AimedSize() const;
    bool Aiming() const;
    void AimBelowTheStart();
    void GiveUpAimWhenSpent(std::uint64_t work);
    void GiveUpAim();
    bool CompleteBestPartial();
    void KeepAsBest();
    // The lines the search returns, every number used, and the sets they leave uncovered.
    void Finish(GeneratorResult& result);

    const GeneratorSettings& settings_;
    SharedSearch& shared_;
    const std::vector<NumberMask>* constructed_;
    SeededRandom random_;
    SearchMatrix matrix_;
    SearchControl control_;
    GreedyStart greedy_;
    WeightedMover weighted_;
    AnnealingMover annealing_;
    RotationStart rotations_;
    // The smallest complete matrix met.
    std::vector<NumberMask> best_;
    double bestSeconds_ = 0;
    // While aiming (see AimedSize), the matrix of the aimed size that leaves fewest sets
    // uncovered, and how many.
    std::vector<NumberMask> bestPartial_;
    std::uint64_t bestPartialUncovered_ = 0;
    bool greedyStart_ = false;
    std::size_t aim_ = 0;
    std::uint64_t aimWork_ = 0;
    bool annealingRound_ = false;
    // Sets looked at in the round since its last smaller matrix.
    std::uint64_t roundWork_ = 0;
    std::uint64_t restarts_ = 0;
    std::uint64_t rounds_ = 0;
};

}  // namespace ordavex
