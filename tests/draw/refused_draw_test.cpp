// A draw the system's generator refuses: nothing of it is shown, no earlier draw is shown again
// as a new one, the error goes to the error display, and the show rests and tries again when a
// rest would end, or at once on ">>". In simulated time, with the real timers and animations.
#include <gtest/gtest.h>

#include "draw/publisher.h"
#include "motion/error.h"
#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

using testing::HeadlessShow;
using testing::SimulatedPlatform;

constexpr double frame = 0.0105;
const std::string refusal =
    "Tirage impossible : le générateur aléatoire du système ne peut pas "
    "être lu (erreur 38)";

class RefusedDraw : public ::testing::Test {
protected:
    double now() { return platform.monotonicSeconds(); }
    double when(const std::function<bool()>& done, double within = 400.0) {
        EXPECT_TRUE(platform.runUntil(done, within));
        return now();
    }
    const DrawState& state() const { return show.cycle.state; }
    testing::RecordingStage& stage() { return show.stage; }
    const testing::RecordingStage& stage() const { return show.stage; }
    int launches() const { return stage().announcements; }
    // The window's start, its creation handler behind the error boundary as the window runs it.
    void startGuarded() {
        try {
            show.cycle.FormCreate();
        } catch (const ShowError& error) {
            errors.emplace_back(error.what());
        }
        show.layoutPass();
    }
    // Runs until the show is waiting for a draw again, catching the refusal where the event
    // loop's error boundary would.
    void expectResting(std::int32_t drawsMade) {
        EXPECT_EQ(state().numtir, drawsMade);
        EXPECT_EQ(stage().recap.size(), static_cast<std::size_t>(drawsMade));
        EXPECT_TRUE(show.cycle.drawRefused());
        EXPECT_FALSE(show.FloatAnimation(1).Running());
        EXPECT_FALSE(show.FloatAnimation(33).Running());
        EXPECT_FALSE(show.stage.indicatorVisible);
        EXPECT_EQ(stage().heading, std::string(publisherAddress));
    }

    SimulatedPlatform platform;
    HeadlessShow show;
    std::vector<std::string> errors;
};

TEST_F(RefusedDraw, AtStartUpNoBallFliesAndTheShowRestsUntilItTriesAgain) {
    platform.refusePicks(refusal);
    startGuarded();
    ASSERT_EQ(errors, std::vector<std::string>{refusal});
    expectResting(0);
    EXPECT_EQ(launches(), 0);
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    EXPECT_EQ(stage().footer, "Tirage impossible, nouvel essai dans 05'00");

    // The empty board leaves as at a rest, the empty recap comes in with ">>".
    const double boardOut = when([&] { return show.FloatAnimation(31).Running(); });
    EXPECT_NEAR(boardOut, 10.0, 1e-9);
    EXPECT_EQ(stage().footer, "Tirage impossible, nouvel essai dans 04'50");
    EXPECT_NEAR(when([&] { return stage().nextDrawButtonVisible; }), 14.0, 2 * frame);
    EXPECT_TRUE(stage().recapPanelVisible);
    EXPECT_EQ(launches(), 0);

    // The generator answers again: the try at the end of the countdown makes draw 1.
    platform.refusePicks("");
    const double firstLaunch = when([&] { return launches() == 1; });
    EXPECT_GT(firstLaunch, 300.0);
    EXPECT_LT(firstLaunch, 306.0);
    EXPECT_EQ(state().numtir, 1);
    EXPECT_FALSE(show.cycle.drawRefused());
    EXPECT_EQ(stage().footer, "Tirage en cours N°1");
    ASSERT_EQ(stage().recap.size(), 1U);
    EXPECT_EQ(stage().recap[0][0], "N°1");
    EXPECT_EQ(show.stage.board.x(), state().p1);
    EXPECT_TRUE(platform.errors().empty());
}

TEST_F(RefusedDraw, AfterARestThePanelComesBackAndTheLastDrawIsNotShownAgain) {
    show.start();
    when([&] { return state().coup == 13; }, 200.0);
    const auto lastRow = stage().recap.back();
    platform.refusePicks(refusal);

    // The countdown ends, the panel slides out, and the next draw is refused.
    when([&] { return !platform.errors().empty(); });
    EXPECT_EQ(platform.errors(), std::vector<std::string>{refusal});
    expectResting(1);
    EXPECT_EQ(stage().recap.back(), lastRow);
    EXPECT_EQ(stage().footer, "Tirage impossible, nouvel essai dans 04'50");
    EXPECT_TRUE(show.FloatAnimation(32).Running());
    EXPECT_EQ(show.stage.board.x(), state().p2);  // the last draw's board stays out of sight

    // The panel is back with ">>"; the countdown goes on to the next try.
    when([&] { return stage().nextDrawButtonVisible; });
    EXPECT_EQ(show.stage.panel.x(), state().p1);
    const double tick = now();
    when([&] { return stage().footer == "Tirage impossible, nouvel essai dans 04'45"; });
    EXPECT_LE(now() - tick, 6.0);

    // ">>" tries at once; refused again, the show rests again, one more error, no row.
    show.Rectangle9.click();
    when([&] { return platform.errors().size() == 2; }, 10.0);
    expectResting(1);
    when([&] { return stage().nextDrawButtonVisible; }, 10.0);

    // Answered: ">>" makes draw 2, whose board slides in before its first ball.
    platform.refusePicks("");
    const int before = launches();
    show.Rectangle9.click();
    when([&] { return launches() == before + 1; }, 10.0);
    EXPECT_EQ(state().numtir, 2);
    EXPECT_EQ(stage().recap.size(), 2U);
    EXPECT_EQ(stage().recap[1][0], "N°2");
    EXPECT_EQ(stage().footer, "Tirage en cours N°2");
    EXPECT_FALSE(show.cycle.drawRefused());
    EXPECT_EQ(show.stage.board.x(), state().p1);
    EXPECT_EQ(platform.errors().size(), 2U);
}

}  // namespace
}  // namespace pelora
