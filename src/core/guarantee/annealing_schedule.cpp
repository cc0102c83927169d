#include "guarantee/annealing_schedule.h"

#include <cmath>

namespace ordavex {

bool AnnealingSchedule::Takes(std::int64_t change, double unit) const {
    if (change <= 0) {
        return true;
    }
    // A unit of 0 is below every chance.
    return unit <= 0 || static_cast<double>(change) < -temperature_ * std::log(unit);
}

void AnnealingSchedule::Spend(std::uint64_t work) {
    work_ += work;
    if (work_ < shape_.stepWork) {
        return;
    }
    work_ = 0;
    temperature_ *= shape_.cooling;
    if (temperature_ < shape_.cold) {
        temperature_ = shape_.hot;
    }
}

void AnnealingSchedule::Reheat() {
    temperature_ = shape_.hot;
    work_ = 0;
}

}  // namespace ordavex
