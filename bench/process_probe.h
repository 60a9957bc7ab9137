// What a measuring program reads about its own process: the monotonic clock that a parent
// process shares with it, and its resident memory.
#pragma once

#include <cstdint>

namespace pelora::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process of the machine.
std::int64_t monotonicNanoseconds();

// Resident set size from /proc/self/statm, in KiB.
long residentKibibytes();

}  // namespace pelora::bench
