#include "clock_seeded_generator.h"

#include "motion/error.h"

namespace pelora::testing {

std::int32_t ClockSeededGenerator::Random(std::int32_t n) {
    if (n < 1) {
        throw ShowError("Tirage impossible : borne invalide");
    }
    advance();
    const std::uint64_t product =
        static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32U);
}

void ClockSeededGenerator::Randomize(std::optional<std::uint64_t> counter,
                                     std::uint32_t tickCountMs) {
    const std::uint64_t reading = counter.value_or(tickCountMs);
    const auto mixed = static_cast<std::uint32_t>(Random(0x7FFFFFFF));
    RandSeed =
        static_cast<std::uint32_t>(reading) ^ static_cast<std::uint32_t>(reading >> 32U) ^ mixed;
}

void ClockSeededGenerator::drawPicks(std::optional<std::uint64_t> counter,
                                     std::uint32_t tickCountMs,
                                     std::span<const std::uint32_t> bounds,
                                     std::span<std::uint32_t> picks) {
    Randomize(counter, tickCountMs);
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        picks[i] = static_cast<std::uint32_t>(Random(static_cast<std::int32_t>(bounds[i])));
    }
}

}  // namespace pelora::testing
