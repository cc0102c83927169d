#pragma once

#include <cstdint>

namespace ordavex {

// Fewest lines any matrix of lines of k numbers over 1..N can have when it guarantees t points
// whenever p numbers are drawn: the largest of
// - ceil(N / k), since every number is used;
// - C(N, p) over the sets of p numbers one line covers;
// - for p = t, the Schönheim bound ceil(N/k ceil((N-1)/(k-1) ... ceil((N-t+1)/(k-t+1)))).
// Parameters as MatrixGenerator accepts them.
std::uint64_t MatrixLowerBound(int numbers, int length, int drawn, int points);

}  // namespace ordavex
