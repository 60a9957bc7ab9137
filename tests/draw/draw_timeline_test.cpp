// Whole draws in simulated time with the real timers and animations: the pacing of the show,
// checked in seconds. Frames come every 10 ms, so an event that ends a run may fall up to one
// frame after its nominal time.
#include <gtest/gtest.h>

#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

using testing::HeadlessShow;
using testing::SimulatedPlatform;

constexpr double frame = 0.0105;

double flightSeconds(int number) {
    return (number - 1) % 7 < 3 ? 2.0 : 3.0;
}

class DrawTimeline : public ::testing::Test {
protected:
    void SetUp() override { show.start(); }

    double now() { return platform.monotonicSeconds(); }
    // Runs until `done` holds and returns the time it first held.
    double when(const std::function<bool()>& done, double within = 400.0) {
        EXPECT_TRUE(platform.runUntil(done, within));
        return now();
    }
    const DrawState& state() const { return show.cycle.state; }
    int launches() const { return show.stage.announcements; }

    // Plays the twelve balls of the current draw, whose first ball left at `firstLaunch`,
    // checking each flight time and pause; returns L, the time of the twelfth landing.
    double playDraw(double firstLaunch) {
        double launch = firstLaunch;
        for (int ball = 1; ball <= 12; ++ball) {
            const int number = state().Tirage[ball];
            const double landing = when([&] { return state().coup == ball + 1; });
            EXPECT_NEAR(landing - launch, flightSeconds(number), frame) << "ball " << ball;
            EXPECT_EQ(show.stage.sprite.x(), -120.0F);
            EXPECT_EQ(show.stage.sprite.y(), 380.0F);
            if (ball == 12) {
                return landing;
            }
            const int before = launches();
            launch = when([&] { return launches() > before; });
            EXPECT_NEAR(launch - landing, 5.0, 1e-9) << "pause after ball " << ball;
        }
        return launch;
    }

    SimulatedPlatform platform;
    HeadlessShow show;
};

TEST_F(DrawTimeline, ADrawEndedByTheCountdown) {
    double expectedL = 55.0;
    for (int ball = 1; ball <= 12; ++ball) {
        expectedL += flightSeconds(state().Tirage[ball]);
    }
    const double L = playDraw(0.0);
    EXPECT_NEAR(L, expectedL, 12 * frame);
    EXPECT_GE(L, 79.0);
    EXPECT_LE(L, 91.0 + 12 * frame);

    const double boardOut = when([&] { return show.FloatAnimation(31).Running(); });
    EXPECT_NEAR(boardOut - L, 10.0, 1e-9);
    EXPECT_EQ(show.stage.footer, "Prochain tirage N°2 dans 04'50");
    const double recapIn = when([&] { return show.FloatAnimation(32).Running(); });
    EXPECT_NEAR(recapIn - L, 12.0, frame);
    const double buttonShown = when([&] { return show.stage.nextDrawButtonVisible; });
    EXPECT_NEAR(buttonShown - L, 14.0, 2 * frame);
    EXPECT_EQ(show.stage.panel.x(), state().p1);
    EXPECT_EQ(show.stage.board.x(), state().p2);

    const double countdownEnd = when([&] { return state().cinqmn == 0; });
    EXPECT_NEAR(countdownEnd - L, 300.0, 1e-9);
    EXPECT_FALSE(show.stage.nextDrawButtonVisible);
    const double prepared = when([&] { return state().numtir == 2; });
    EXPECT_NEAR(prepared - L, 302.0, frame);
    const int before = launches();
    const double firstBall = when([&] { return launches() > before; });
    EXPECT_NEAR(firstBall - L, 304.0, 2 * frame);
    EXPECT_EQ(show.stage.board.x(), state().p1);
    EXPECT_EQ(show.stage.panel.x(), state().p2);

    playDraw(firstBall);
    EXPECT_EQ(show.stage.recap.size(), 2U);
}

TEST_F(DrawTimeline, ADrawEndedByAClickTwentySecondsIntoTheRest) {
    const double L = playDraw(0.0);
    platform.advanceTo(L + 20.0);
    ASSERT_TRUE(show.stage.nextDrawButtonVisible);
    show.Rectangle9.click();
    const std::uint64_t ticks = platform.ticksDelivered();

    const double prepared = when([&] { return state().numtir == 2; });
    EXPECT_NEAR(prepared - L, 22.0, frame);
    EXPECT_EQ(state().cinqmn, 300);
    const int before = launches();
    const double firstBall = when([&] { return launches() > before; });
    EXPECT_NEAR(firstBall - L, 24.0, 2 * frame);
    EXPECT_GT(platform.ticksDelivered(), ticks);
    EXPECT_FALSE(show.repos5mn.Enabled());
}

TEST_F(DrawTimeline, AStalledRestLosesTicksInsteadOfPilingThemUp) {
    const double L = playDraw(0.0);
    platform.advanceTo(L + 30.25);
    ASSERT_EQ(state().cinqmn, 270);
    platform.stall(3.5);
    platform.advanceBy(0.0);
    // The three periods that fell in the stall gave one late tick, not three.
    EXPECT_EQ(state().cinqmn, 269);
    // The lost periods are not made up: the next ticks follow the late one a period apart.
    platform.advanceTo(L + 40.25);
    EXPECT_EQ(state().cinqmn, 263);
}

TEST_F(DrawTimeline, OneThousandDrawsInARow) {
    double launch = 0.0;
    for (int draw = 1; draw <= 1000; ++draw) {
        ASSERT_EQ(state().numtir, draw);
        ASSERT_TRUE(platform.runUntil([&] { return state().coup == 13; }, 100.0)) << draw;
        ASSERT_EQ(show.stage.recap.size(), static_cast<std::size_t>(draw));
        const int before = launches();
        ASSERT_TRUE(platform.runUntil([&] { return launches() > before; }, 310.0)) << draw;
        ASSERT_EQ(show.stage.sprite.x(), -120.0F);
        launch = platform.monotonicSeconds();
    }
    EXPECT_GT(launch, 1000 * 383.0);
    EXPECT_TRUE(platform.errors().empty());
}

}  // namespace
}  // namespace pelora
