// The cycle driven by fed events through the window's own binding: each finish is delivered by
// ending its animation, each tick by calling the handler its timer holds, each click through the
// ">>" button; no clock is involved.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "draw/publisher.h"
#include "motion/error.h"
#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

using testing::HeadlessShow;
using testing::SimulatedPlatform;

class DrawCycleEvents : public ::testing::Test {
protected:
    void SetUp() override { show.start(); }

    // Ends a run as its last frame would.
    static void finish(TFloatAnimation& animation) { animation.ProcessTick(animation.Duration); }
    // The flight's last frame: the vertical leg ends first, the landing comes with the other.
    void land() {
        finish(show.FloatAnimation(2));
        finish(show.FloatAnimation(1));
    }
    // A tick as the timer delivers it, to the handler bound to it.
    static void tick(TTimer& timer) { timer.OnTimer()(timer); }
    void pauseTicks(int count) {
        for (int i = 0; i < count; ++i) {
            tick(show.entredeux);
        }
    }
    void restTicksUntil(int cinqmn) {
        while (state().cinqmn > cinqmn) {
            tick(show.repos5mn);
        }
    }
    const DrawState& state() const { return show.cycle.state; }
    testing::RecordingStage& stage() { return show.stage; }

    // Plays balls 1 to 12 of the current draw, from its first flight to the twelfth landing.
    void playDraw() {
        for (int ball = 1; ball <= 12; ++ball) {
            land();
            if (ball < 12) {
                pauseTicks(5);
            }
        }
    }
    void expectOnlyRunning(std::initializer_list<int> animations, bool pause, bool rest) {
        for (int n : {1, 31, 32, 33, 34}) {
            const bool expected =
                std::find(animations.begin(), animations.end(), n) != animations.end();
            EXPECT_EQ(show.FloatAnimation(n).Running(), expected) << "FloatAnimation" << n;
        }
        EXPECT_EQ(show.entredeux.Enabled(), pause);
        EXPECT_EQ(show.repos5mn.Enabled(), rest);
    }

    SimulatedPlatform platform;
    HeadlessShow show;
};

TEST_F(DrawCycleEvents, StartUpPreparesDrawOneAndLaunchesItsFirstBall) {
    EXPECT_EQ(stage().windowBackground, 0xFFFFFFFFU);
    EXPECT_EQ(stage().nextDrawButtonFill, stage().blue);
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    EXPECT_FALSE(stage().recapPanelVisible);
    EXPECT_EQ(stage().recapRowHeight, 50);
    EXPECT_EQ(state().numtir, 1);
    EXPECT_EQ(state().coup, 1);
    EXPECT_EQ(state().cinqmn, 300);
    EXPECT_EQ(stage().footer, "Tirage en cours N°1");
    EXPECT_EQ(state().saveX, -120.0F);
    EXPECT_EQ(state().saveY, 380.0F);
    EXPECT_EQ(show.cycle.ComboBox1.items().size(), 11U);
    EXPECT_EQ(show.cycle.ComboBox1.items()[8].first, "Elastic");
    EXPECT_EQ(show.cycle.ComboBox1.chosenValue(), 8);
    EXPECT_EQ(show.cycle.ComboBox2.items()[2].first, "InOut");
    EXPECT_EQ(show.cycle.ComboBox2.chosenValue(), 0);
    expectOnlyRunning({1}, false, false);
    EXPECT_EQ(stage().announcements, 1);
    EXPECT_EQ(stage().heading, "numéros bleus");
    EXPECT_EQ(stage().indicatorCount, "7");
    EXPECT_EQ(stage().indicatorCountColour, 0xFFFFFFFFU);
    EXPECT_EQ(stage().indicatorFill, stage().blue);
}

TEST_F(DrawCycleEvents, TheFirstBallAimsAtTheBoardWhereTheDescriptionPutsIt) {
    // The layout pass moved the board after the launch; the target was taken before it.
    const PointF tile = stage().tilePosition(state().Tirage[1]);
    EXPECT_EQ(show.FloatAnimation(1).StopValue, 35.0F + tile.x);
    EXPECT_EQ(show.FloatAnimation(2).StopValue, 105.0F + tile.y);
    EXPECT_NE(stage().board.y(), 105.0F);
}

TEST_F(DrawCycleEvents, TheNextBallLeavesOnTheFifthPauseTickNeverTheFourth) {
    land();
    EXPECT_EQ(state().coup, 2);
    EXPECT_EQ(state().cinqsec, 0);
    expectOnlyRunning({}, true, false);
    pauseTicks(4);
    EXPECT_EQ(stage().announcements, 1);
    EXPECT_TRUE(show.entredeux.Enabled());
    pauseTicks(1);
    EXPECT_EQ(stage().announcements, 2);
    expectOnlyRunning({1}, false, false);
}

TEST_F(DrawCycleEvents, CinqsecIsZeroAtEveryLandingWhateverItWas) {
    show.cycle.state.cinqsec = 3;
    land();
    EXPECT_EQ(state().cinqsec, 0);
}

TEST_F(DrawCycleEvents, LandingSendsTheBallHomeAndColoursAndSpinsTheTile) {
    for (int ball = 1; ball <= 12; ++ball) {
        const int number = state().Tirage[ball];
        land();
        EXPECT_EQ(stage().sprite.x(), -120.0F);
        EXPECT_EQ(stage().sprite.y(), 380.0F);
        const bool blue = ball <= 7;
        EXPECT_EQ(stage().tile(number).fill, blue ? stage().blue : stage().yellow) << ball;
        EXPECT_EQ(stage().tile(number).stroke, 0xFFFFFFFFU);
        EXPECT_EQ(stage().tile(number).text, blue ? 0xFFFFFFFFU : 0xFF000000U) << ball;
        EXPECT_TRUE(show.spin(number).Running()) << ball;
        if (ball < 12) {
            pauseTicks(5);
        }
    }
}

TEST_F(DrawCycleEvents, TheYellowBallAndHeaderComeJustBeforeBallEight) {
    for (int ball = 1; ball <= 7; ++ball) {
        land();
        pauseTicks(4);
        EXPECT_EQ(stage().ballPicture, BallPicture::Blue) << ball;
        pauseTicks(1);
    }
    // Ball 8 is flying now.
    EXPECT_EQ(state().coup, 8);
    EXPECT_EQ(stage().ballPicture, BallPicture::Yellow);
    EXPECT_EQ(stage().heading, "numéros jaunes");
    EXPECT_EQ(stage().indicatorCount, "5");
    EXPECT_EQ(stage().indicatorCountColour, 0xFF000000U);
    EXPECT_EQ(stage().indicatorFill, stage().yellow);
}

TEST_F(DrawCycleEvents, TheRestPeriodFollowsTheStateTable) {
    playDraw();
    // RestWait
    EXPECT_EQ(state().coup, 13);
    EXPECT_EQ(state().cinqmn, 300);
    expectOnlyRunning({}, false, true);
    EXPECT_FALSE(stage().indicatorVisible);
    EXPECT_FALSE(stage().headerWordVisible);
    EXPECT_EQ(stage().heading, std::string(publisherAddress));
    for (int tickCount = 1; tickCount <= 9; ++tickCount) {
        tick(show.repos5mn);
        EXPECT_EQ(stage().footer, "Tirage N°1 terminé") << tickCount;
    }
    // BoardOut at the tenth tick
    tick(show.repos5mn);
    EXPECT_EQ(stage().footer, "Prochain tirage N°2 dans 04'50");
    expectOnlyRunning({31}, false, true);
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    // RecapIn
    finish(show.FloatAnimation(31));
    EXPECT_TRUE(stage().recapPanelVisible);
    EXPECT_FALSE(show.FloatAnimation(31).Enabled());
    expectOnlyRunning({32}, false, true);
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    // RecapShown
    finish(show.FloatAnimation(32));
    expectOnlyRunning({}, false, true);
    EXPECT_TRUE(stage().nextDrawButtonVisible);
    restTicksUntil(60);
    EXPECT_EQ(stage().footer, "Prochain tirage N°2 dans 01'00");
    restTicksUntil(1);
    EXPECT_EQ(stage().footer, "Prochain tirage N°2 dans 00'01");
    EXPECT_EQ(state().coup, 13);
    // RecapOut
    tick(show.repos5mn);
    EXPECT_EQ(state().cinqmn, 0);
    EXPECT_EQ(stage().footer, "");
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    expectOnlyRunning({34}, false, false);
    // BoardIn: the next draw is prepared, its ball waits for the board.
    const int launches = stage().announcements;
    finish(show.FloatAnimation(34));
    EXPECT_EQ(state().numtir, 2);
    EXPECT_EQ(state().coup, 1);
    EXPECT_EQ(state().cinqmn, 300);
    EXPECT_EQ(stage().footer, "Tirage en cours N°2");
    EXPECT_EQ(stage().recap.size(), 2U);
    EXPECT_EQ(stage().ballPicture, BallPicture::Blue);
    expectOnlyRunning({33}, false, false);
    EXPECT_EQ(stage().announcements, launches);
    // Flight(1) of draw 2
    finish(show.FloatAnimation(33));
    EXPECT_TRUE(stage().indicatorVisible);
    EXPECT_TRUE(stage().headerWordVisible);
    EXPECT_EQ(stage().announcements, launches + 1);
    EXPECT_EQ(stage().heading, "numéros bleus");
    expectOnlyRunning({1}, false, false);
}

TEST_F(DrawCycleEvents, AClickOnNextDrawStopsTheCountdownAtOnce) {
    playDraw();
    restTicksUntil(290);
    finish(show.FloatAnimation(31));
    finish(show.FloatAnimation(32));
    restTicksUntil(280);
    EXPECT_EQ(stage().footer, "Prochain tirage N°2 dans 04'40");

    show.Rectangle9.click();
    EXPECT_EQ(stage().footer, "");
    EXPECT_FALSE(stage().nextDrawButtonVisible);
    expectOnlyRunning({34}, false, false);
    finish(show.FloatAnimation(34));
    EXPECT_EQ(state().numtir, 2);
    EXPECT_EQ(state().cinqmn, 300);
    EXPECT_EQ(stage().footer, "Tirage en cours N°2");
}

TEST_F(DrawCycleEvents, TheCountdownAnnouncesTheNumberTheNextDrawReceives) {
    for (int draw = 1; draw <= 3; ++draw) {
        playDraw();
        restTicksUntil(100);
        EXPECT_EQ(stage().footer, "Prochain tirage N°" + std::to_string(draw + 1) + " dans 01'40");
        finish(show.FloatAnimation(31));
        finish(show.FloatAnimation(32));
        if (draw == 2) {
            show.Rectangle9.click();
        } else {
            restTicksUntil(0);
        }
        finish(show.FloatAnimation(34));
        EXPECT_EQ(state().numtir, draw + 1);
        finish(show.FloatAnimation(33));
    }
}

TEST_F(DrawCycleEvents, ABallToRowTwoOrThreeStartsFromItsRowHeight) {
    struct Case {
        int number;
        float startY;
        float seconds;
    };
    const Case cases[] = {{1, 380, 2},  {3, 380, 2},  {4, 380, 3},  {8, 600, 2}, {14, 600, 3},
                          {15, 140, 2}, {21, 140, 3}, {24, 380, 2}, {25, 380, 3}};
    for (const Case& c : cases) {
        stage().setBallY(380.0F);
        show.cycle.TirBoule(c.number);
        EXPECT_EQ(stage().sprite.y(), c.startY) << c.number;
        EXPECT_EQ(show.FloatAnimation(2).StartValue, c.startY) << c.number;
        EXPECT_EQ(show.FloatAnimation(1).Duration, c.seconds) << c.number;
        EXPECT_EQ(show.FloatAnimation(2).Duration, c.seconds) << c.number;
        EXPECT_EQ(show.FloatAnimation(1).StartValue, -120.0F);
        const PointF tile = stage().tilePosition(c.number);
        EXPECT_EQ(show.FloatAnimation(1).StopValue, stage().board.x() + tile.x);
        EXPECT_EQ(show.FloatAnimation(2).StopValue, stage().board.y() + tile.y);
        EXPECT_EQ(show.FloatAnimation(2).Interpolation, TInterpolationType::Elastic);
        EXPECT_EQ(show.FloatAnimation(1).Interpolation, TInterpolationType::Linear);
    }
}

TEST_F(DrawCycleEvents, ATileSpinsOncePerDrawAndAgainInALaterDraw) {
    const int number = state().Tirage[1];
    land();
    EXPECT_TRUE(show.spin(number).Running());
    finish(show.spin(number));
    EXPECT_TRUE(show.spin(number).Enabled());
    EXPECT_EQ(stage().tiles[static_cast<std::size_t>(number - 1)].angle(), 720.0F);
    show.cycle.TirageAlea();
    EXPECT_FALSE(show.spin(number).Enabled());
    show.cycle.state.coup = 1;
    show.cycle.state.Tirage[1] = number;
    show.cycle.TirBoule(number);
    land();
    EXPECT_TRUE(show.spin(number).Running());
}

TEST_F(DrawCycleEvents, AnOverflowingCounterStopsTheHandlerAndTheNextEventStillWorks) {
    show.cycle.state.cinqsec = INT32_MAX;
    EXPECT_THROW(tick(show.entredeux), ShowError);
    EXPECT_EQ(state().cinqsec, INT32_MAX);
    land();
    EXPECT_EQ(state().cinqsec, 0);
    EXPECT_EQ(state().coup, 2);
}

}  // namespace
}  // namespace pelora
