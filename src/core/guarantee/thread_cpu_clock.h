#pragma once

namespace ordavex {

// Seconds of processor time the calling thread has used so far. Unlike the wall clock it does not
// grow while other programs hold the processor, so a search bounded by it does the same work on
// a busy machine as on a quiet one. Where the clock cannot be read it stays at 0, leaving the wall clock as the
// only limit.
double ThreadCpuSeconds();

}  // namespace ordavex
