#include "random_generator.h"

#include "motion/error.h"
#include "motion/platform.h"

namespace pelora {

std::int32_t RandomGenerator::Random(std::int32_t n) {
    if (n < 1) {
        throw ShowError("Tirage aléatoire impossible : borne invalide");
    }
    advance();
    const std::uint64_t product =
        static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32U);
}

void RandomGenerator::Randomize() {
    Platform& platform = currentPlatform();
    const std::uint64_t counter = platform.performanceCounter().value_or(platform.tickCountMs());
    const auto mixed = static_cast<std::uint32_t>(Random(0x7FFFFFFF));
    RandSeed =
        static_cast<std::uint32_t>(counter) ^ static_cast<std::uint32_t>(counter >> 32U) ^ mixed;
}

}  // namespace pelora
