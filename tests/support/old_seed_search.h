// The attack the clock-seeded generator was open to: from the first balls of a draw, every state
// it can start a draw's picks from (2^32 of them, whatever the clock read) is tried, and those
// whose picks give these balls are kept; each then tells the rest of the draw. Shared by the test
// that shows today's draws escape it and by the bench program that shows it to anyone.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "draw/draw_order.h"

namespace pelora::testing {

// The picks that give these balls (numbers 1..28, in landing order) with the show's selection.
// Throws std::invalid_argument for a number outside 1..28 or one given twice.
std::vector<std::uint32_t> picksOfBalls(std::span<const std::int32_t> balls);

// The draw the old generator makes when its state after Randomize is `seed`.
LandingOrder oldGeneratorDraw(std::uint32_t seed);

struct OldSeedMatches {
    std::uint64_t count = 0;  // every matching seed
    // At most `kept` of them, those found first (the search runs through the advanced states in
    // ascending order), sorted.
    std::vector<std::uint32_t> seeds;
};

// Every state after Randomize whose first picks are `picks` (1 to 28 of them, each below its
// bound). The first pick k of bound 28 confines the advanced state to
// [ceil(k 2^32 / 28), ceil((k + 1) 2^32 / 28)), about 1.5e8 states, each then stepped through the
// next picks until one differs; the range is split between `threads` threads.
OldSeedMatches searchOldGeneratorSeeds(std::span<const std::uint32_t> picks, unsigned threads,
                                       std::size_t kept);

}  // namespace pelora::testing
