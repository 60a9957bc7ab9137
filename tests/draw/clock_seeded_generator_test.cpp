// The generator the tests script their draws with, checked against its known outputs.
#include "support/clock_seeded_generator.h"

#include <gtest/gtest.h>

namespace pelora::testing {
namespace {

TEST(ClockSeededGenerator, RandomOfOneIsZeroButStillAdvances) {
    for (std::uint32_t seed : {0U, 1U, 0x7FFFFFFFU, 0xFFFFFFFFU, 123456789U}) {
        ClockSeededGenerator generator;
        generator.RandSeed = seed;
        EXPECT_EQ(generator.Random(1), 0);
        EXPECT_EQ(generator.RandSeed, seed * 134775813U + 1U) << seed;
    }
}

TEST(ClockSeededGenerator, ResultIsTheUpperHalfOfTheProduct) {
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
        ClockSeededGenerator generator;
        generator.RandSeed = c.seed;
        EXPECT_EQ(generator.Random(c.bound), c.expected) << std::hex << c.seed;
    }
}

TEST(ClockSeededGenerator, SeedZeroDrawsZeroAndLeavesOne) {
    ClockSeededGenerator generator;
    EXPECT_EQ(generator.Random(28), 0);
    EXPECT_EQ(generator.RandSeed, 1U);
}

TEST(ClockSeededGenerator, RandomizeMixesBothCounterHalvesWithOneDraw) {
    ClockSeededGenerator probe;
    probe.RandSeed = 42U;
    const auto r = static_cast<std::uint32_t>(probe.Random(0x7FFFFFFF));

    ClockSeededGenerator generator;
    generator.RandSeed = 42U;
    generator.Randomize(0xAABBCCDD00112233ULL, 0U);
    EXPECT_EQ(generator.RandSeed, 0x00112233U ^ 0xAABBCCDDU ^ r);
}

TEST(ClockSeededGenerator, RandomizeFallsBackToTheTickCount) {
    ClockSeededGenerator probe;
    const auto r = static_cast<std::uint32_t>(probe.Random(0x7FFFFFFF));

    ClockSeededGenerator generator;
    generator.Randomize(std::nullopt, 0xCAFEF00DU);
    EXPECT_EQ(generator.RandSeed, 0xCAFEF00DU ^ r);
}

}  // namespace
}  // namespace pelora::testing
