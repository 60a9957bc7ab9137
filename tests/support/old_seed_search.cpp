#include "old_seed_search.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <thread>

#include "clock_seeded_generator.h"

namespace pelora::testing {
namespace {

constexpr std::uint32_t multiplier = 134775813U;
constexpr std::uint64_t stateCount = std::uint64_t{1} << 32U;

// The multiplier's inverse modulo 2^32 (it is odd), by Newton's iteration: each step doubles the
// correct low bits.
constexpr std::uint32_t inverseMultiplier = [] {
    std::uint32_t x = multiplier;
    for (int i = 0; i < 5; ++i) {
        x *= 2U - multiplier * x;
    }
    return x;
}();
static_assert(multiplier * inverseMultiplier == 1U);

// The state one step back: the one whose advance gives `advanced`.
std::uint32_t stepBack(std::uint32_t advanced) {
    return (advanced - 1U) * inverseMultiplier;
}

// Random(bound) of the advanced state.
std::uint32_t pickOf(std::uint32_t advanced, std::uint32_t bound) {
    return static_cast<std::uint32_t>((std::uint64_t{advanced} * bound) >> 32U);
}

struct Slice {
    std::uint64_t count = 0;
    std::vector<std::uint32_t> seeds;
};

// The advanced states [first, last) tried against picks[1..].
Slice searchSlice(std::span<const std::uint32_t> picks, std::uint64_t first, std::uint64_t last,
                  std::size_t kept) {
    Slice slice;
    for (std::uint64_t candidate = first; candidate < last; ++candidate) {
        auto state = static_cast<std::uint32_t>(candidate);
        bool matches = true;
        for (std::size_t i = 1; i < picks.size(); ++i) {
            state = state * multiplier + 1U;
            if (pickOf(state, drawPickBounds[i]) != picks[i]) {
                matches = false;
                break;
            }
        }
        if (matches) {
            ++slice.count;
            if (slice.seeds.size() < kept) {
                slice.seeds.push_back(stepBack(static_cast<std::uint32_t>(candidate)));
            }
        }
    }
    return slice;
}

}  // namespace

std::vector<std::uint32_t> picksOfBalls(std::span<const std::int32_t> balls) {
    if (balls.size() > static_cast<std::size_t>(tileCount)) {
        throw std::invalid_argument("more balls than the draw has");
    }
    std::vector<std::int32_t> candidates;
    for (std::int32_t number = 1; number <= tileCount; ++number) {
        candidates.push_back(number);
    }
    std::vector<std::uint32_t> picks;
    for (std::int32_t ball : balls) {
        const auto at = std::find(candidates.begin(), candidates.end(), ball);
        if (at == candidates.end()) {
            throw std::invalid_argument(ball >= 1 && ball <= tileCount
                                            ? "ball " + std::to_string(ball) + " given twice"
                                            : "ball " + std::to_string(ball) +
                                                  " is not a number from 1 to 28");
        }
        picks.push_back(static_cast<std::uint32_t>(at - candidates.begin()));
        candidates.erase(at);
    }
    return picks;
}

LandingOrder oldGeneratorDraw(std::uint32_t seed) {
    ClockSeededGenerator generator;
    generator.RandSeed = seed;
    DrawPicks picks{};
    for (std::size_t i = 0; i < picks.size(); ++i) {
        picks[i] = static_cast<std::uint32_t>(
            generator.Random(static_cast<std::int32_t>(drawPickBounds[i])));
    }
    return drawOrderFromPicks(picks);
}

OldSeedMatches searchOldGeneratorSeeds(std::span<const std::uint32_t> picks, unsigned threads,
                                       std::size_t kept) {
    if (picks.empty() || picks.size() > drawPickBounds.size()) {
        throw std::invalid_argument("the search needs from 1 to 28 picks");
    }
    for (std::size_t i = 0; i < picks.size(); ++i) {
        if (picks[i] >= drawPickBounds[i]) {
            throw std::invalid_argument("a pick is not below its bound");
        }
    }
    // Random(28) = floor(advanced * 28 / 2^32) = k exactly for these advanced states.
    const std::uint64_t bound = drawPickBounds[0];
    const std::uint64_t first = (picks[0] * stateCount + bound - 1) / bound;
    const std::uint64_t last = ((picks[0] + 1) * stateCount + bound - 1) / bound;

    const unsigned sliceCount = std::max(threads, 1U);
    std::vector<Slice> slices(sliceCount);
    std::vector<std::thread> workers;
    const std::uint64_t width = (last - first + sliceCount - 1) / sliceCount;
    for (unsigned i = 0; i < sliceCount; ++i) {
        const std::uint64_t from = std::min(last, first + i * width);
        const std::uint64_t to = std::min(last, from + width);
        workers.emplace_back([&slices, picks, from, to, kept, i] {
            slices[i] = searchSlice(picks, from, to, kept);
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }

    OldSeedMatches matches;
    for (const Slice& slice : slices) {
        matches.count += slice.count;
        for (std::uint32_t seed : slice.seeds) {
            if (matches.seeds.size() < kept) {
                matches.seeds.push_back(seed);
            }
        }
    }
    std::sort(matches.seeds.begin(), matches.seeds.end());
    return matches;
}

}  // namespace pelora::testing
