// The show's pseudo-random generator: a 32-bit linear congruential generator, reseeded from the
// machine's high-resolution counter at the start of every draw.
#pragma once

#include <cstdint>

namespace pelora {

class RandomGenerator {
public:
    std::uint32_t RandSeed = 0;

    // An integer in 0..n-1 (n >= 1): the upper 32 bits of RandSeed * n after advancing the seed.
    std::int32_t Random(std::int32_t n);
    // Reseeds from the platform's counter (or its millisecond tick count when the counter
    // cannot be read), mixed with one draw from the current state.
    void Randomize();

private:
    void advance() { RandSeed = RandSeed * 134775813U + 1U; }
};

}  // namespace pelora
