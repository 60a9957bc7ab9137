// The fault the clock-seeded generator had, and that today's draws escape it: two shows that read
// the same clock drew alike, and a spectator could search all 2^32 states of the generator from a
// draw's first balls and compute the rest.
#include "support/old_seed_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/system_picks.h"
#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

using testing::HeadlessShow;
using testing::SimulatedPlatform;

constexpr std::uint64_t clockReading = 0x00000A3C5F21B7E4ULL;
constexpr unsigned searchThreads = 2;

std::vector<std::int32_t> firstBalls(const DrawState& state, std::int32_t count) {
    std::vector<std::int32_t> balls;
    for (std::int32_t i = 1; i <= count; ++i) {
        balls.push_back(state.Tirage[i]);
    }
    return balls;
}

std::vector<std::int32_t> firstBalls(const LandingOrder& order, std::int32_t count) {
    return {order.begin(), order.begin() + count};
}

// The first draw a fresh show prepares on a platform whose clock reads `clockReading`, its picks
// from the system's generator or, as before, from the clock-seeded one.
LandingOrder firstDrawOfAFreshShow(bool systemPicks) {
    SimulatedPlatform platform;
    platform.setPerformanceCounter(clockReading);
    SystemPicks system;
    if (systemPicks) {
        platform.setPickSource([&system](auto bounds, auto picks) { system.pick(bounds, picks); });
    }
    HeadlessShow show;
    show.cycle.TirageAlea();
    LandingOrder order{};
    for (std::int32_t i = 1; i <= tileCount; ++i) {
        order[static_cast<std::size_t>(i - 1)] = show.cycle.state.Tirage[i];
    }
    return order;
}

TEST(SameClockReading, TwoFreshShowsDrawAlikeOnlyWithTheOldGenerator) {
    struct Case {
        bool systemPicks;
        bool alike;
    };
    // Two fair draws are alike once in 28! (3e29).
    for (const Case& c : {Case{false, true}, Case{true, false}}) {
        EXPECT_EQ(firstDrawOfAFreshShow(c.systemPicks) == firstDrawOfAFreshShow(c.systemPicks),
                  c.alike)
            << (c.systemPicks ? "system's generator" : "clock-seeded generator");
    }
}

TEST(OldSeedSearch, FindsTheSeedOfAnOldDrawFromItsFirstSevenBalls) {
    SimulatedPlatform platform;
    platform.setPerformanceCounter(clockReading);
    testing::ClockSeededGenerator reseeded = platform.clockSeededGenerator();
    reseeded.Randomize(clockReading, 0U);
    const std::uint32_t seed = reseeded.RandSeed;
    HeadlessShow show;
    show.cycle.TirageAlea();

    // About 2^32 / (28 x 27 x ... x 22) = 0.72 other states give the same seven balls.
    const std::vector<std::int32_t> seven = firstBalls(show.cycle.state, 7);
    const testing::OldSeedMatches matches =
        testing::searchOldGeneratorSeeds(testing::picksOfBalls(seven), searchThreads, 100);
    ASSERT_EQ(matches.seeds.size(), matches.count);
    EXPECT_TRUE(std::find(matches.seeds.begin(), matches.seeds.end(), seed) != matches.seeds.end());

    // Every state found gives those seven; the eighth ball leaves the true one alone, and it
    // tells every ball still to come.
    const std::vector<std::int32_t> eight = firstBalls(show.cycle.state, 8);
    std::vector<std::uint32_t> givingEight;
    for (std::uint32_t candidate : matches.seeds) {
        const LandingOrder predicted = testing::oldGeneratorDraw(candidate);
        EXPECT_EQ(firstBalls(predicted, 7), seven) << candidate;
        if (firstBalls(predicted, 8) == eight) {
            givingEight.push_back(candidate);
        }
    }
    EXPECT_EQ(givingEight, std::vector<std::uint32_t>{seed});
    EXPECT_EQ(firstBalls(testing::oldGeneratorDraw(seed), tileCount),
              firstBalls(show.cycle.state, tileCount));
}

TEST(OldSeedSearch, NoSeedGivesTheTwelveBallsOfTodaysDraw) {
    SimulatedPlatform platform;
    SystemPicks system;
    platform.setPickSource([&system](auto bounds, auto picks) { system.pick(bounds, picks); });
    HeadlessShow show;
    show.cycle.TirageAlea();

    // Each of the 2^32 states gives twelve given balls with probability 1 / (28 x 27 x ... x 17)
    // = 1 / 1.46e16: a state matches by chance in 3e-7 of the runs.
    const std::vector<std::int32_t> twelve = firstBalls(show.cycle.state, ballsPerDraw);
    const testing::OldSeedMatches matches =
        testing::searchOldGeneratorSeeds(testing::picksOfBalls(twelve), searchThreads, 10);
    EXPECT_EQ(matches.count, 0U) << "state " << (matches.seeds.empty() ? 0 : matches.seeds[0]);
}

TEST(OldSeedSearch, BallsBecomeThePicksTheShowWouldMake) {
    const LandingOrder order = testing::oldGeneratorDraw(0x5EED1234U);
    const std::vector<std::int32_t> balls = firstBalls(order, tileCount);
    const std::vector<std::uint32_t> picks = testing::picksOfBalls(balls);
    DrawPicks all{};
    std::copy(picks.begin(), picks.end(), all.begin());
    EXPECT_EQ(drawOrderFromPicks(all), order);

    const std::vector<std::vector<std::int32_t>> refused = {{0}, {29}, {5, 12, 5}, {-3}};
    for (const auto& wrong : refused) {
        EXPECT_THROW(testing::picksOfBalls(wrong), std::invalid_argument) << wrong.back();
    }
}

}  // namespace
}  // namespace pelora
