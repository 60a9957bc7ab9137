#include "draw/random_generator.h"

#include <gtest/gtest.h>

#include "support/simulated_platform.h"

namespace pelora {
namespace {

TEST(RandomGenerator, RandomOfOneIsZeroButStillAdvances) {
    for (std::uint32_t seed : {0U, 1U, 0x7FFFFFFFU, 0xFFFFFFFFU, 123456789U}) {
        RandomGenerator generator;
        generator.RandSeed = seed;
        EXPECT_EQ(generator.Random(1), 0);
        EXPECT_EQ(generator.RandSeed, seed * 134775813U + 1U) << seed;
    }
}

TEST(RandomGenerator, ResultIsTheUpperHalfOfTheProduct) {
    struct Case {
        std::uint32_t seed;
        std::int32_t bound;
        std::int32_t expected;
    };
    // Seeds chosen so that the advanced seed is 1, 2^31 and 2^32 - 1.
    const Case cases[] = {
        {0U, 28, 0},            // 1 * 28 / 2^32
        {0xA6B05733U, 28, 14},  // 2^31 * 28 / 2^32
        {0xA6B05733U, 0x7FFFFFFF, 0x3FFFFFFF},
        {0x4D60AE66U, 28, 27},  // (2^32 - 1) * 28 / 2^32
    };
    for (const Case& c : cases) {
        RandomGenerator generator;
        generator.RandSeed = c.seed;
        EXPECT_EQ(generator.Random(c.bound), c.expected) << std::hex << c.seed;
    }
}

TEST(RandomGenerator, SeedZeroDrawsZeroAndLeavesOne) {
    RandomGenerator generator;
    EXPECT_EQ(generator.Random(28), 0);
    EXPECT_EQ(generator.RandSeed, 1U);
}

TEST(RandomGenerator, RandomizeMixesBothCounterHalvesWithOneDraw) {
    testing::SimulatedPlatform platform;
    RandomGenerator probe;
    probe.RandSeed = 42U;
    const auto r = static_cast<std::uint32_t>(probe.Random(0x7FFFFFFF));

    platform.setPerformanceCounter(0xAABBCCDD00112233ULL);
    RandomGenerator generator;
    generator.RandSeed = 42U;
    generator.Randomize();
    EXPECT_EQ(generator.RandSeed, 0x00112233U ^ 0xAABBCCDDU ^ r);
}

TEST(RandomGenerator, RandomizeFallsBackToTheTickCount) {
    testing::SimulatedPlatform platform;
    platform.setPerformanceCounter(std::nullopt);
    platform.setTickCount(0xCAFEF00DU);
    RandomGenerator probe;
    const auto r = static_cast<std::uint32_t>(probe.Random(0x7FFFFFFF));

    RandomGenerator generator;
    generator.Randomize();
    EXPECT_EQ(generator.RandSeed, 0xCAFEF00DU ^ r);
}

}  // namespace
}  // namespace pelora
