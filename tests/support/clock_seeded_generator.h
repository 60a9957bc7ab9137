// The generator the show once drew with: a 32-bit linear congruential generator reseeded from a
// clock reading at the start of every draw. A spectator who sees a few balls can search all 2^32
// seeds and compute the rest of the draw, so the show no longer uses it. It survives as the
// tests' scripted source of picks: it gives the known draw from a zero seed, and the same draws
// as before for a given clock reading, so that tests and frames stay comparable from one build to
// the next.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pelora::testing {

class ClockSeededGenerator {
public:
    std::uint32_t RandSeed = 0;

    // An integer in 0..n-1 (n >= 1): the upper 32 bits of RandSeed * n after advancing the seed.
    std::int32_t Random(std::int32_t n);
    // Reseeds from a counter reading (or the millisecond tick count when the counter could not
    // be read), mixed with one draw from the current state.
    void Randomize(std::optional<std::uint64_t> counter, std::uint32_t tickCountMs);
    // One draw's picks as the show made them: Randomize, then one Random per bound.
    void drawPicks(std::optional<std::uint64_t> counter, std::uint32_t tickCountMs,
                   std::span<const std::uint32_t> bounds, std::span<std::uint32_t> picks);

private:
    void advance() { RandSeed = RandSeed * 134775813U + 1U; }
};

}  // namespace pelora::testing
