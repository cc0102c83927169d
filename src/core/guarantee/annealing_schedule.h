#pragma once

#include <cstdint>

namespace ordavex {

// The temperature of an annealing, in the units of what its moves make worse (uncovered sets or
// classes of sets): a move that makes things worse by d is taken with chance exp(-d / T), one that
// makes nothing worse always. The temperature falls by a constant factor each time the work spent
// since the last fall reaches a step, and is hot again once it is too cold to climb out of
// anything; counting work rather than moves keeps a cycle about as long whether moves are cheap
// or dear.
class AnnealingSchedule {
public:
    struct Shape {
        double hot = 1;
        double cold = 0;
        double cooling = 1;  // the factor of each fall
        std::uint64_t stepWork = 1;
    };

    explicit AnnealingSchedule(Shape shape) : shape_(shape), temperature_(shape.hot) {}

    double Temperature() const { return temperature_; }
    // Whether a move that makes things worse by `change` is taken, for `unit` drawn uniformly
    // from [0, 1): when change < -T ln(unit), which happens with chance exp(-change / T).
    bool Takes(std::int64_t change, double unit) const;
    // Counts the work of a move, cooling once it reaches a step.
    void Spend(std::uint64_t work);
    // Hot again, with no work counted, as at the start.
    void Reheat();

private:
    Shape shape_;
    double temperature_;
    std::uint64_t work_ = 0;
};

}  // namespace ordavex
